#include "catalogue/InMemoryAnswer.h"

#include <cstring>

namespace kavelin_test {

InMemoryAnswer::InMemoryAnswer(const std::string& document) : mInput(document) {
    soap_init1(&mSoap, kavelin::binding::kEngineMode);
    soap_set_namespaces(&mSoap, namespaces);
    mSoap.is = &mInput;
}

InMemoryAnswer::~InMemoryAnswer() {
    soap_destroy(&mSoap);
    soap_end(&mSoap);
    soap_done(&mSoap);
}

std::string NamespaceOf(const char* prefix) {
    for (const Namespace* row = namespaces; row->id; ++row)
        if (std::strcmp(row->id, prefix) == 0)
            return row->ns;
    return {};
}

} // namespace kavelin_test
