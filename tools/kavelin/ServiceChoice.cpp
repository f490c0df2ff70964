#include "ServiceChoice.h"

#include "UsageError.h"

namespace kavelin::cli {

namespace {
constexpr char kPlaybackUrl[] = "ovdcs:playback";
}

ServiceChoice ChooseService(const Invocation& invocation, const char* environmentUrl) {
    if (invocation.url)
        return {ServiceChoice::Kind::Given, *invocation.url};
    if (invocation.playback)
        return {ServiceChoice::Kind::Playback, kPlaybackUrl};
    if (invocation.simulate)
        return {ServiceChoice::Kind::BuiltInDevice, {}};
    if (environmentUrl != nullptr && *environmentUrl != '\0')
        return {ServiceChoice::Kind::Given, environmentUrl};
    throw UsageError("no device named: give --url URL, set $KAVELIN_URL, or use --simulate for a "
                     "built-in simulated device",
                     invocation.command);
}

} // namespace kavelin::cli
