#pragma once

#include <stdexcept>
#include <string>

#include "Invocation.h"

namespace kavelin::cli {

// A command line or an input file the host cannot work with: nothing was sent to a device. The
// command, when known, selects the usage text shown with the message.
class UsageError : public std::runtime_error {
public:
    UsageError(const std::string& message, Command command)
        : std::runtime_error(message), mCommand(command) {}

    Command command() const { return mCommand; }

private:
    Command mCommand;
};

} // namespace kavelin::cli
