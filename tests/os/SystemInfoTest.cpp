#include "os/kernel/HostAddress.h"
#include "os/kernel/LocalTime.h"
#include "os/kernel/ModulePath.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <filesystem>
#include <tuple>

namespace {

TEST(LocalTime, FormatsTheLogTimestamp) {
    using Row = std::tuple<kavelin::os::LocalDateTime, size_t, const char*>;
    const Row cases[] = {
        {{2026, 12, 4, 22, 0, 44}, 32, "12/4/26-22:00:44"},
        {{2000, 1, 2, 3, 4, 5}, 32, "1/2/00-03:04:05"},
        {{2109, 10, 31, 23, 59, 60}, 32, "10/31/09-23:59:60"},
        {{2026, 12, 4, 22, 0, 44}, 6, "12/4/"},
    };
    for (const auto& [time, bufferSize, expected] : cases) {
        char buffer[32];
        const size_t length = kavelin::os::FormatLogTimestamp(time, buffer, bufferSize);
        EXPECT_STREQ(buffer, expected);
        EXPECT_EQ(length, std::strlen(expected));
    }
}

TEST(HostAddress, PrefersTheFirstNonLoopbackAddress) {
    // No interface, loopback only, loopback first.
    EXPECT_EQ(kavelin::os::ChooseHostAddress({}), std::nullopt);
    EXPECT_EQ(kavelin::os::ChooseHostAddress({{"127.0.0.1", true}}), "127.0.0.1");
    EXPECT_EQ(kavelin::os::ChooseHostAddress(
                  {{"127.0.0.1", true}, {"10.0.0.5", false}, {"10.0.0.6", false}}),
              "10.0.0.5");

    // This machine: whatever it picks is a dotted IPv4 address.
    if (const auto address = kavelin::os::FirstIPv4Address()) {
        in_addr parsed = {};
        EXPECT_EQ(inet_pton(AF_INET, address->c_str(), &parsed), 1) << *address;
    }
}

TEST(ModulePath, NamesTheBinaryThatHoldsTheCode) {
    // Linked statically into this test, the code lives in the test program.
    EXPECT_EQ(std::filesystem::path(kavelin::os::LibraryPath()),
              std::filesystem::canonical("/proc/self/exe"));
}

} // namespace
