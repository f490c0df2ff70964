// Arbitrary bytes as a ".reg" file. Every edit the parser gives back must name its key the
// way the registry expects it, and only a value setting carries data (of any type and size:
// "hex(n):" stores any bytes under any type, as on Windows, and every reader copes with
// that); anything else, a crash or a sanitizer report is a fault.
#include "os/registry/RegFileParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& edit : kavelin::os::ParseRegFile(bytes)) {
        const std::string_view key = edit.keyPath;
        if (!key.empty() && (key.front() == '\\' || key.back() == '\\'))
            std::abort();
        if (edit.kind != kavelin::os::RegFileEdit::SetValue && !edit.value.data.empty())
            std::abort();
    }
    return 0;
}
