#pragma once

#include <cstddef>
#include <string_view>

namespace kavelin::cli {

// Where the first HTTP request among the bytes a connection has sent so far ends.
struct RequestFrame {
    enum class State {
        Incomplete, // more bytes are needed
        Whole,      // `length` bytes make the request
        Malformed   // framing that cannot be followed: the bytes are read as they are
    };
    State state = State::Incomplete;
    std::size_t length = 0;
    // The head is in, says "Expect: 100-continue" and the body is not: the peer waits for a
    // 100 Continue before it sends the body.
    bool awaitsContinue = false;
};

// A head up to its blank line, then a body of Content-Length bytes, or chunks up to the last
// one and the trailer lines after it, or no body when the head names neither.
RequestFrame FrameRequest(std::string_view bytes);

} // namespace kavelin::cli
