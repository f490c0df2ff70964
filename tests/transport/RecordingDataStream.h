#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "kavelin/ComObject.h"
#include "kavelin/ComponentRegistration.h"
#include "kavelin/DataStream.h"

// A host's data stream that records what the proxy asks of it and answers reads from a script.
// Registered under the data stream's ProgID through the host-facing registration call.
namespace kavelin_test {

inline const std::string kReadTimesOut = "(read times out)";

struct StreamJournal {
    // "open:<target>", "write", "read", "close" in call order.
    std::vector<std::string> calls;
    std::vector<std::u16string> openTargets;
    std::vector<std::string> writes;
    std::vector<uint32_t> ioArguments;
    // Served by Read in order, each cut to the size asked for; 0 bytes when it runs out. An
    // answer that is kReadTimesOut is a read that timed out, as a slow device's does.
    std::deque<std::string> answers;
    HRESULT openResult = S_OK;
    HRESULT writeResult = S_OK;
    // Added to the count every Read reports, as a faulty component might.
    uint32_t overstatedCount = 0;
    int created = 0;
    int destroyed = 0;
};

class RecordingDataStream final : public kavelin::DispatchObject<IDataStream> {
public:
    explicit RecordingDataStream(StreamJournal& journal) : mJournal(journal) { ++mJournal.created; }
    ~RecordingDataStream() override { ++mJournal.destroyed; }

    HRESULT STDMETHODCALLTYPE Open(BSTR target, int32_t, int32_t, int32_t, BSTR* status) override {
        mJournal.openTargets.emplace_back(target == nullptr ? u"" : target);
        mJournal.calls.push_back("open");
        *status = SysAllocString(u"opened");
        return mJournal.openResult;
    }
    HRESULT STDMETHODCALLTYPE Read(uint32_t maximum, uint8_t* buffer, uint32_t* count,
                                   uint32_t io) override {
        mJournal.calls.push_back("read");
        mJournal.ioArguments.push_back(io);
        *count = mJournal.overstatedCount;
        if (mJournal.answers.empty())
            return S_OK;
        std::string& next = mJournal.answers.front();
        if (next == kReadTimesOut) {
            mJournal.answers.pop_front();
            return static_cast<HRESULT>(0x80070102);
        }
        const size_t taken = next.size() < maximum ? next.size() : maximum;
        next.copy(reinterpret_cast<char*>(buffer), taken);
        next.erase(0, taken);
        if (next.empty())
            mJournal.answers.pop_front();
        *count = static_cast<uint32_t>(taken) + mJournal.overstatedCount;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(uint32_t count, const uint8_t* bytes, uint32_t io) override {
        mJournal.calls.push_back("write");
        mJournal.ioArguments.push_back(io);
        mJournal.writes.emplace_back(reinterpret_cast<const char*>(bytes), count);
        return mJournal.writeResult;
    }
    HRESULT STDMETHODCALLTYPE Close() override {
        mJournal.calls.push_back("close");
        return S_OK;
    }

private:
    StreamJournal& mJournal;
};

inline constexpr CLSID kRecordingStreamClassId =
    kavelin::MakeGuid("{3C1D2A7E-55B0-4F6B-9E0D-7A44C8E21B90}");

inline HRESULT CreateRecordingStream(void* context, IUnknown* outer, const IID* iid,
                                     void** object) {
    *object = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    auto* stream = new RecordingDataStream(*static_cast<StreamJournal*>(context));
    const HRESULT result = stream->QueryInterface(*iid, object);
    stream->Release();
    return result;
}

inline HRESULT RefuseCreation(void*, IUnknown*, const IID*, void** object) {
    *object = nullptr;
    return E_OUTOFMEMORY;
}

// Registers the recording stream for the lifetime of the object.
class RecordingStreamRegistration {
public:
    explicit RecordingStreamRegistration(StreamJournal& journal) {
        KavelinRegisterComponent(kDataStreamProgId, &kRecordingStreamClassId, CLSCTX_INPROC_SERVER,
                                 CreateRecordingStream, &journal);
    }
    ~RecordingStreamRegistration() { KavelinUnregisterComponent(kDataStreamProgId); }
    RecordingStreamRegistration(const RecordingStreamRegistration&) = delete;
    RecordingStreamRegistration& operator=(const RecordingStreamRegistration&) = delete;
};

} // namespace kavelin_test
