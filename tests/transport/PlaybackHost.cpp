// A host program for the playback test: loads the library, registers its own data stream to
// see whether any byte reaches it, and runs every operation of the proxy once, printing one
// line per operation ("name=answer" or "name!failure") and finally the stream's calls.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "RecordingDataStream.h"
#include "kavelin/Kavelin.h"

namespace {

using RegisterComponent = decltype(&KavelinRegisterComponent);

template <typename Operation> void Run(const char* name, Operation operation) {
    try {
        std::printf("%s=%s\n", name, operation().c_str());
    } catch (const CPException& failure) {
        std::printf("%s!%s\n", name, failure.what());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 2;
    }
    auto make = reinterpret_cast<KavelinMaker>(dlsym(library, "maker"));
    auto unmake = reinterpret_cast<KavelinDemaker>(dlsym(library, "demaker"));
    auto registerComponent =
        reinterpret_cast<RegisterComponent>(dlsym(library, "KavelinRegisterComponent"));
    if (make == nullptr || unmake == nullptr || registerComponent == nullptr)
        return 2;
    kavelin_test::StreamJournal journal;
    registerComponent(kDataStreamProgId, &kavelin_test::kRecordingStreamClassId,
                      CLSCTX_INPROC_SERVER, kavelin_test::CreateRecordingStream, &journal);

    IXDMAccessSoap* proxy = make();
    proxy->Initialize(argv[2], CPComPtr<ISessionInfo>());
    Run("StartSession", [&] { return proxy->StartSession(); });
    Run("GetData", [&] { return proxy->GetData("/", "", 0, 0); });
    Run("SetData", [&] {
        return std::string(proxy->SetData("<dd:Printer xmlns:dd=\"urn:x\"/>", 1, 0, 0) ? "true"
                                                                                       : "false");
    });
    Run("GetSettable", [&] { return proxy->GetSettable(0); });
    Run("Subscribe", [&] {
        return proxy->Subscribe("<S><EventName>StatusChange</EventName></S>", "",
                                "http://127.0.0.1:1/events");
    });
    Run("GetSupportedEvents", [&] {
        RemoteArray* events = proxy->GetSupportedEvents();
        std::string joined;
        for (int32_t i = 0; events != nullptr && i < events->mCount; ++i)
            joined += (i == 0 ? "" : ",") + events->mElements[i];
        if (events != nullptr)
            delete[] events->mElements;
        delete events;
        return joined;
    });
    Run("Unsubscribe", [&] {
        proxy->Unsubscribe("subscription-1");
        return std::string("done");
    });
    Run("EndSession", [&] {
        proxy->EndSession();
        return std::string("done");
    });
    unmake(proxy);
    std::printf("streamCalls=%zu\n", journal.calls.size());
    return 0;
}
