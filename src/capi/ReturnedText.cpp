#include "capi/ReturnedText.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace kavelin::capi {

char* CopyText(const std::string& text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy == nullptr)
        throw std::bad_alloc();
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

char** CopyList(const std::vector<std::string>& names) {
    const size_t pointers = (names.size() + 1) * sizeof(char*);
    size_t bytes = pointers;
    for (const std::string& name : names)
        bytes += name.size() + 1;
    auto* block = static_cast<char*>(std::malloc(bytes));
    if (block == nullptr)
        throw std::bad_alloc();
    auto** list = reinterpret_cast<char**>(block);
    char* text = block + pointers;
    for (size_t i = 0; i < names.size(); ++i) {
        list[i] = text;
        std::memcpy(text, names[i].c_str(), names[i].size() + 1);
        text += names[i].size() + 1;
    }
    list[names.size()] = nullptr;
    return list;
}

} // namespace kavelin::capi
