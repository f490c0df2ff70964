#pragma once

#include "DeviceServer.h"

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

// The misbehaviour the device has been told to show, consulted once per request.
namespace kavelin::device {

enum class Misbehaviour {
    None,
    SoapFault,
    CloseMidAnswer,
    NeverAnswer,
    Drip,
    Oversize,
    Scripted,
    Twice
};

struct FaultDecision {
    Misbehaviour what = Misbehaviour::None;
    ScriptedAnswer script;
    std::chrono::milliseconds delay{0};
    std::chrono::milliseconds copyAfter{0}; // Twice: how long after the answer its copy goes
};

struct AnswerShape {
    bool omitSessionTicket = false;
    bool omitSubscriptionId = false;
    bool useReturnElement = false;
};

class FaultPlan {
public:
    // `count` requests of `operation` ("" = any) get `what`; DeviceServer::kAlways = no end.
    void Add(Misbehaviour what, const std::string& operation, int count, ScriptedAnswer script,
             std::chrono::milliseconds copyAfter = {});
    // The decision for one request: the first rule that matches spends one of its count.
    FaultDecision Take(const std::string& operation);

    void SetDelay(std::chrono::milliseconds delay);
    void SetOmitSessionTicket(bool omit);
    void SetOmitSubscriptionId(bool omit);
    void SetUseReturnElement(bool useReturn);
    AnswerShape Shape() const;
    void Clear();

private:
    struct Rule {
        Misbehaviour what;
        std::string operation;
        int remaining;
        ScriptedAnswer script;
        std::chrono::milliseconds copyAfter;
    };
    mutable std::mutex mMutex;
    std::vector<Rule> mRules;
    std::chrono::milliseconds mDelay{0};
    AnswerShape mShape;
};

} // namespace kavelin::device
