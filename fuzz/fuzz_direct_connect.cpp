// Arbitrary bytes as what the host's data stream hands back to the direct-connect transport.
// The first byte says how the stream cuts the rest into reads, whether a read fails (timed out,
// or the stream is gone) once the bytes run out, and whether the stream stays open between
// exchanges; two GetData exchanges on one engine context then read the answers from it, so a
// second exchange meets whatever the first left behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "binding/Binding.h"
#include "kavelin/ComObject.h"
#include "kavelin/ComponentRegistration.h"
#include "kavelin/DataStream.h"
#include "transport/TransportPlugins.h"

namespace {

constexpr char kUrl[] = "ovdcs:127.0.0.1:9";
constexpr HRESULT kTimedOut = static_cast<HRESULT>(0x80070102);
constexpr CLSID kFuzzStreamClassId = kavelin::MakeGuid("{6B0E7D52-1C4F-4E8A-9A3B-2F51C0D7E3A4}");

struct Script {
    std::string_view answer; // what reads hand back, in order
    std::size_t cut = 1;     // the most one read gives
    HRESULT end = S_OK;      // the result of a read once the answer is used up
};

class FuzzStream final : public kavelin::DispatchObject<IDataStream> {
public:
    explicit FuzzStream(Script& script) : mScript(script) {}

    HRESULT STDMETHODCALLTYPE Open(BSTR, int32_t, int32_t, int32_t, BSTR*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Read(uint32_t maximum, uint8_t* buffer, uint32_t* count,
                                   uint32_t) override {
        *count = 0;
        if (mScript.answer.empty())
            return mScript.end;
        std::size_t taken = mScript.cut < maximum ? mScript.cut : maximum;
        taken = taken < mScript.answer.size() ? taken : mScript.answer.size();
        mScript.answer.copy(reinterpret_cast<char*>(buffer), taken);
        mScript.answer.remove_prefix(taken);
        *count = static_cast<uint32_t>(taken);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(uint32_t, const uint8_t*, uint32_t) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close() override { return S_OK; }

private:
    Script& mScript;
};

HRESULT CreateFuzzStream(void* context, IUnknown* outer, const IID* iid, void** object) {
    *object = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    auto* stream = new FuzzStream(*static_cast<Script*>(context));
    const HRESULT result = stream->QueryInterface(*iid, object);
    stream->Release();
    return result;
}

// Registry files with the stream kept open between exchanges and without, in a scratch folder.
struct Settings {
    std::string keptOpen;
    std::string oneAtATime;

    Settings() {
        const char* scratch = std::getenv("TMPDIR");
        const std::string base = std::string(scratch ? scratch : "/tmp") + "/fuzz_direct_connect";
        keptOpen = base + "-kept-open.reg";
        oneAtATime = base + "-one-at-a-time.reg";
        const std::string header = "Windows Registry Editor Version 5.00\n\n"
                                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n";
        std::ofstream(keptOpen) << header << "\"DirectConnectKeepOpen\"=\"1\"\n";
        std::ofstream(oneAtATime) << header;
    }
};

void GetData(struct soap* soap) {
    _ixagd__GetData request;
    request.soap_default(soap);
    request.Path = "/dd:Device";
    __ixawsdl__GetDataResponse response;
    kavelin::binding::GetData(soap, kUrl, "GetData", &request, response);
    soap_destroy(soap);
    soap_end(soap);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Settings settings;
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    Script script;
    script.answer = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
    script.cut = 1 + (control & 0x1F) * 97u;
    script.end = (control & 0x20) ? kTimedOut : (control & 0x40) ? E_FAIL : S_OK;
    setenv("KAVELIN_REGISTRY", ((control & 0x80) ? settings.keptOpen : settings.oneAtATime).c_str(),
           1);
    KavelinRegisterComponent(kDataStreamProgId, &kFuzzStreamClassId, CLSCTX_INPROC_SERVER,
                             CreateFuzzStream, &script);

    struct soap soap;
    soap_init2(&soap, SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING, SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING);
    soap_set_namespaces(&soap, namespaces);
    soap.recv_timeout = soap.send_timeout = soap.transfer_timeout = 1;
    kavelin::transport::RegisterTransportPlugins(&soap, kUrl);
    GetData(&soap);
    GetData(&soap);
    soap_done(&soap);
    KavelinUnregisterComponent(kDataStreamProgId);
    return 0;
}
