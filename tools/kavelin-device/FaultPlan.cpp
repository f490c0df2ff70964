#include "FaultPlan.h"

#include <algorithm>

namespace kavelin::device {

void FaultPlan::Add(Misbehaviour what, const std::string& operation, int count,
                    ScriptedAnswer script, std::chrono::milliseconds copyAfter) {
    if (count == 0 || count < DeviceServer::kAlways) {
        return;
    }
    std::lock_guard lock(mMutex);
    mRules.push_back({what, operation, count, std::move(script), copyAfter});
}

FaultDecision FaultPlan::Take(const std::string& operation) {
    std::lock_guard lock(mMutex);
    FaultDecision decision;
    decision.delay = mDelay;
    const auto rule = std::find_if(mRules.begin(), mRules.end(), [&](const Rule& r) {
        return r.operation.empty() || r.operation == operation;
    });
    if (rule == mRules.end()) {
        return decision;
    }
    decision.what = rule->what;
    decision.script = rule->script;
    decision.copyAfter = rule->copyAfter;
    if (rule->remaining != DeviceServer::kAlways && --rule->remaining == 0) {
        mRules.erase(rule);
    }
    return decision;
}

void FaultPlan::SetDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(mMutex);
    mDelay = delay;
}

void FaultPlan::SetOmitSessionTicket(bool omit) {
    std::lock_guard lock(mMutex);
    mShape.omitSessionTicket = omit;
}

void FaultPlan::SetOmitSubscriptionId(bool omit) {
    std::lock_guard lock(mMutex);
    mShape.omitSubscriptionId = omit;
}

void FaultPlan::SetUseReturnElement(bool useReturn) {
    std::lock_guard lock(mMutex);
    mShape.useReturnElement = useReturn;
}

AnswerShape FaultPlan::Shape() const {
    std::lock_guard lock(mMutex);
    return mShape;
}

void FaultPlan::Clear() {
    std::lock_guard lock(mMutex);
    mRules.clear();
    mDelay = std::chrono::milliseconds{0};
    mShape = AnswerShape{};
}

} // namespace kavelin::device
