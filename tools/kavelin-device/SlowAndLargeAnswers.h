#pragma once

#include <atomic>
#include <cstddef>
#include <string_view>

// Answers that test a client's bounds on a whole exchange rather than on one receive.
namespace kavelin::device {

// One byte a quarter of a second: in time for every per-receive wait, never done soon.
inline constexpr auto kDripIntervalMs = 250;

// Sends `bytes` dripped; false once the peer is gone or `stop` is set.
bool SendDripped(int fd, std::string_view bytes, const std::atomic<bool>& stop);

// 65 MiB of answer: past the 64 MiB that clients cap an answer at by default.
inline constexpr std::size_t kOversizeAnswerBytes = 65u * 1024 * 1024;

// A well-formed SOAP answer (HTTP 200, Content-Length) of kOversizeAnswerBytes body bytes,
// produced piece by piece so the device never holds it; ends when the peer stops reading.
void SendOversizeAnswer(int fd, const std::atomic<bool>& stop);

} // namespace kavelin::device
