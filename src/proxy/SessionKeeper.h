#pragma once

#include <string>

#include "kavelin/Kavelin.h"
#include "proxy/Exchanger.h"

namespace kavelin::proxy {

// The proxy's device session: the session-information object that shares it, and the work of
// starting, ending and restarting it over the proxy's exchanger. Nothing here takes the
// proxy's one-thread claim: the public operations hold it around whatever they ask of this.
class SessionKeeper {
public:
    explicit SessionKeeper(Exchanger& exchanger) : mExchanger(exchanger) {}

    void SetSessionInfo(CPComPtr<ISessionInfo> sessionInfo) { mSessionInfo = sessionInfo; }
    bool HasSessionInfo() const { return static_cast<bool>(mSessionInfo); }

    // Reads the requested properties of the session-information object, creating the object
    // when the keeper holds none. Outputs stay untouched when no object can be had.
    void ReadSessionInfo(std::string* sessionId, std::string* sessionData = nullptr,
                         std::string* language = nullptr, std::string* roles = nullptr);

    // A session ID the host hands over: into the session-information object and the header.
    void Adopt(const std::string& sessionId);

    // StartSession's and EndSession's work, without their Enter and Exit lines. Start returns
    // the session ID (empty when the device granted none) or fails as StartSession fails.
    std::string Start();
    void End();

    // The session ID that the session-information object holds, after starting a session when
    // it holds none; empty when there is still none (the caller then fails without an
    // exchange). Throws CPException "StartSession Failed!!!" when the start throws.
    std::string Guard();

    // The retry's restart: EndSession, then StartSession, each with its Enter and Exit lines.
    // False when the start throws or gives no session; the exchanger's cause then says why.
    bool Restart();

private:
    Exchanger& mExchanger;
    CPComPtr<ISessionInfo> mSessionInfo;
};

} // namespace kavelin::proxy
