#include "ServiceChoice.h"

namespace kavelin::cli {

namespace {
constexpr char kPlaybackUrl[] = "ovdcs:playback";
}

ServiceChoice ChooseService(const Invocation& invocation, const char* environmentUrl) {
    if (invocation.url)
        return {ServiceChoice::Kind::Given, *invocation.url};
    if (invocation.playback)
        return {ServiceChoice::Kind::Playback, kPlaybackUrl};
    if (environmentUrl != nullptr && *environmentUrl != '\0')
        return {ServiceChoice::Kind::Given, environmentUrl};
    return {ServiceChoice::Kind::BuiltInDevice, {}};
}

} // namespace kavelin::cli
