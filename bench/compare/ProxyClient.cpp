// The proxy as a host uses it: the library loaded with dlopen, one proxy from `maker`, GetData
// with a one-entry prefix map over one kept-alive connection. It links nothing of the library
// and no SOAP engine, so the library's engine callbacks cannot be interposed by this program.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "ClientMeasure.h"
#include "PrefixQuery.h"
#include "kavelin/Kavelin.h"

int main(int argc, char** argv) {
    ClientArguments arguments;
    if (!ReadClientArguments(argc, argv, arguments))
        return 2;
    const char* library = std::getenv("KAVELIN_LIBRARY");
    void* handle =
        dlopen(library != nullptr ? library : KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "proxy client: %s\n", dlerror());
        return 2;
    }
    const auto make = reinterpret_cast<KavelinMaker>(dlsym(handle, "maker"));
    const auto unmake = reinterpret_cast<KavelinDemaker>(dlsym(handle, "demaker"));
    if (make == nullptr || unmake == nullptr) {
        std::fprintf(stderr, "proxy client: the library has no maker/demaker\n");
        return 2;
    }
    IXDMAccessSoap* proxy = make();
    int status = 1;
    try {
        proxy->Initialize(arguments.url, CPComPtr<ISessionInfo>());
        status = MeasureCalls(arguments, [proxy] {
            return !proxy->GetData(kQueryPath, kQueryPrefixMap, 0, 0).empty();
        });
    } catch (const CPException& failure) {
        const CPExceptionCause* cause = GetExceptionCause(failure);
        std::fprintf(stderr, "proxy client: %s%s%s\n", failure.what(), cause ? ": " : "",
                     cause ? cause->summary.c_str() : "");
    }
    unmake(proxy);
    dlclose(handle);
    return status;
}
