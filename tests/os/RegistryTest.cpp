#include "os/registry/Registry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <tuple>

#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

namespace {

namespace fs = std::filesystem;
namespace os = kavelin::os;

using kavelin_test::RegistryFileText;

class Registry : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("KAVELIN_REGISTRY"); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = (mDir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    void Use(const std::string& files) { setenv("KAVELIN_REGISTRY", files.c_str(), 1); }

    const kavelin_test::ScratchFolder mScratch{"kavelin-registry"};
    const fs::path mDir = mScratch.Path();
};

std::vector<uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

TEST_F(Registry, ReadsEveryValueForm) {
    Use(Write("a.reg",
              RegistryFileText(
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n"
                  "\"Text\"=\"C:\\\\Logs\\\\x.log says \\\"hi\\\"\"\r\n@=\"default text\"\r\n"
                  "\"Number\"=dword:0000012c\r\n\"Zipped\"=hex:de,ad,\\\r\n  be,ef\r\n"
                  "\"Expand\"=hex(2):25,00,54,00,4d,00,50,00,25,00,00,00\r\n"
                  "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                  "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\r\n\"Empty\"=hex:\r\n")));
    using Row = std::tuple<const char*, os::RegistryType, std::vector<uint8_t>>;
    const Row cases[] = {
        {"Text", os::RegSz, Bytes(std::string_view("C:\\Logs\\x.log says \"hi\"\0", 24))},
        {"", os::RegSz, Bytes(std::string_view("default text\0", 13))},
        {"number", os::RegDword, {0x2c, 0x01, 0, 0}},
        {"Expand", os::RegExpandSz, Bytes(std::string_view("%TMP%\0", 6))},
        {"zipped", os::RegBinary, {0xde, 0xad, 0xbe, 0xef}},
        {"Multi", os::RegMultiSz, Bytes(std::string_view("a\0b\0\0", 5))},
        {"Qword", static_cast<os::RegistryType>(11), {1, 0, 0, 0, 0, 0, 0, 0}},
        {"Empty", os::RegBinary, {}},
    };
    const auto key = os::RegistryKey::OpenLocalMachine("software\\orvanta\\PLOTARA");
    ASSERT_TRUE(key);
    for (const auto& [name, type, data] : cases) {
        const auto value = key->Value(name);
        ASSERT_TRUE(value) << name;
        EXPECT_EQ(value->type, type) << name;
        EXPECT_EQ(value->data, data) << name;
    }
}

TEST_F(Registry, LaterFilesAndDeletionsWin) {
    Use((mDir / "missing.reg").string());
    EXPECT_FALSE(os::RegistryKey::OpenLocalMachine("SOFTWARE")) << "no file, no key";
    EXPECT_FALSE(os::ReadRegistryString("SOFTWARE", ""));
    const auto first =
        Write("first.reg",
              RegistryFileText("[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"Kept\"=\"one\"\n"
                               "\"Replaced\"=\"one\"\n\"Removed\"=\"one\"\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Gone\\Child]\n\"x\"=\"y\"\n"));
    const auto second = Write(
        "second.reg", RegistryFileText("[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"REPLACED\"=\"two\"\n"
                                       "\"Removed\"=-\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Gone]\n"));
    Use(first + ":" + (mDir / "missing.reg").string() + ":" + second);

    EXPECT_EQ(os::ReadRegistryString("SOFTWARE\\A", "Kept"), "one");
    EXPECT_EQ(os::ReadRegistryString("SOFTWARE\\A", "Replaced"), "two");
    EXPECT_FALSE(os::ReadRegistryString("SOFTWARE\\A", "Removed"));
    EXPECT_FALSE(os::RegistryKey::OpenLocalMachine("SOFTWARE\\Gone\\Child"));
    // A section makes its parent keys exist too.
    EXPECT_TRUE(os::RegistryKey::OpenLocalMachine("SOFTWARE"));
    EXPECT_FALSE(os::RegistryKey::OpenLocalMachine("SOFTWARE\\Absent"));
}

TEST_F(Registry, SkipsMalformedLinesAndKeepsTheRest) {
    Use(Write(
        "bad.reg",
        RegistryFileText(
            "\"Orphan\"=\"before any section\"\n[HKEY_CURRENT_USER\\SOFTWARE\\A]\n"
            "\"OtherHive\"=\"x\"\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n"
            "\"Unterminated=\"x\"\n\"NoEquals\" \"x\"\n\"BadDword\"=dword:12345678ff\n"
            "\"BadHex\"=hex:zz,01\n\"TrailingComma\"=hex:01,\n\"CutShort\"=hex:01,\\\n"
            "\n\"AfterBlank\"=\"kept\"\n\"Garbage\"=\"x\" y\n; a comment\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A\n\"Good\"=\"kept\"\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"Good\"=\"kept\"\n\"Last\"=\"no newline\"")));
    const auto key = os::RegistryKey::OpenLocalMachine("SOFTWARE\\A");
    ASSERT_TRUE(key);
    for (const char* name : {"Orphan", "OtherHive", "Unterminated", "NoEquals", "BadDword",
                             "BadHex", "TrailingComma", "Garbage"})
        EXPECT_FALSE(key->Value(name)) << name;
    EXPECT_EQ(os::ReadRegistryString("SOFTWARE\\A", "Good"), "kept");
    // A blank line ends a continuation: what follows it is a value of its own.
    EXPECT_EQ(os::ReadRegistryString("SOFTWARE\\A", "AfterBlank"), "kept");
    EXPECT_EQ(os::ReadRegistryString("SOFTWARE\\A", "Last"), "no newline");
}

TEST_F(Registry, ReadsUtf16FilesAsTheEditorWritesThem) {
    const std::u16string text =
        u"Windows Registry Editor Version 5.00\r\n\r\n"
        u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n\"Lang\"=\"fr-FR \u00E9\"\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    Use(Write("wide.reg", bytes));
    EXPECT_EQ(os::ReadRegistryString("SOFTWARE\\A", "lang"), "fr-FR \xC3\xA9");
}

TEST_F(Registry, QueryValueFollowsTheWindowsBufferRules) {
    Use(Write("q.reg", RegistryFileText("[HKEY_LOCAL_MACHINE\\K]\n\"V\"=\"abc\"\n")));
    const auto key = os::RegistryKey::OpenLocalMachine("K");
    ASSERT_TRUE(key);
    // (value, buffer size, whether a buffer is given, result, size after): a buffer that fits,
    // one of the exact size, one too small, the size alone, a missing value.
    using Row = std::tuple<const char*, uint32_t, bool, long, uint32_t>;
    for (const auto& [valueName, bufferSize, passBuffer, result, sizeAfter] :
         {Row{"V", 8, true, os::kErrorSuccess, 4}, Row{"V", 4, true, os::kErrorSuccess, 4},
          Row{"V", 3, true, os::kErrorMoreData, 4}, Row{"V", 0, false, os::kErrorSuccess, 4},
          Row{"W", 8, true, os::kErrorFileNotFound, 8}}) {
        SCOPED_TRACE(std::string(valueName) + " in " + std::to_string(bufferSize));
        uint8_t buffer[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        uint32_t size = bufferSize;
        uint32_t type = 0;
        EXPECT_EQ(key->QueryValue(valueName, &type, passBuffer ? buffer : nullptr, &size), result);
        EXPECT_EQ(size, sizeAfter);
        if (result == os::kErrorSuccess && passBuffer) {
            EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 4), std::string("abc\0", 4));
        }
        if (bufferSize < 8) {
            EXPECT_EQ(buffer[bufferSize], 0xEE) << "wrote past the buffer";
        }
    }
    EXPECT_EQ(key->QueryValue("V", nullptr, nullptr, nullptr), os::kErrorSuccess);
    uint8_t one = 0;
    EXPECT_EQ(key->QueryValue("V", nullptr, &one, nullptr), os::kErrorInvalidParameter);
}

std::string KeyFile(const std::string& key, const std::string& value) {
    return RegistryFileText("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"V\"=\"" + value + "\"\n");
}

// Each way of changing a file, once right after it was written (within the time stamps'
// granularity) and once after its stamp has settled and the reader keeps what it parsed.
TEST_F(Registry, AChangedFileIsSeenAtTheNextOpen) {
    const struct Change {
        const char* key;
        std::function<void(const std::string& path)> apply;
        const char* after; // the value then; null when the key is gone
    } changes[] = {
        {"InPlace", [&](const std::string& p) { Write(p, KeyFile("InPlace", "new")); }, "new"},
        {"Longer", [&](const std::string& p) { Write(p, KeyFile("Longer", "longer")); }, "longer"},
        {"Renamed",
         [&](const std::string& p) {
             Write(p + ".next", KeyFile("Renamed", "new"));
             fs::rename(p + ".next", p);
         },
         "new"},
        {"OldTime",
         [&](const std::string& p) {
             const auto modified = fs::last_write_time(p);
             Write(p, KeyFile("OldTime", "new"));
             fs::last_write_time(p, modified);
         },
         "new"},
        {"Removed", [&](const std::string& p) { fs::remove(p); }, nullptr},
    };
    for (const bool settled : {false, true}) {
        SCOPED_TRACE(settled ? "settled" : "just written");
        std::string list;
        std::vector<std::string> paths;
        for (const Change& c : changes) {
            paths.push_back(Write(std::string(c.key) + ".reg", KeyFile(c.key, "old")));
            list += (list.empty() ? "" : ":") + paths.back();
        }
        Use(list);
        if (settled)
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        for (const Change& c : changes)
            EXPECT_EQ(os::ReadRegistryString(c.key, "V"), "old") << c.key;
        for (size_t i = 0; i < std::size(changes); ++i)
            changes[i].apply(paths[i]);
        for (const Change& c : changes)
            EXPECT_EQ(os::ReadRegistryString(c.key, "V").value_or("(gone)"),
                      c.after != nullptr ? c.after : "(gone)")
                << c.key;
    }
}

// Only regular files within the size bound are read; anything else is no file, at once.
TEST_F(Registry, WhatIsNotARegularFileOfBoundedSizeIsNoFile) {
    const std::string good = Write("good.reg", KeyFile("Good", "yes"));
    const std::string fifo = (mDir / "fifo.reg").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge =
        Write("huge.reg", KeyFile("Huge", "yes") + std::string(4 * 1024 * 1024, '\n'));
    const std::string bounded = Write(
        "bounded.reg", KeyFile("Bounded", "yes") +
                           std::string(4 * 1024 * 1024 - KeyFile("Bounded", "yes").size(), '\n'));
    for (const std::string& other : {mDir.string(), fifo, std::string("/dev/zero"), huge}) {
        SCOPED_TRACE(other);
        Use(other + ":" + good);
        EXPECT_EQ(os::ReadRegistryString("Good", "V"), "yes");
        EXPECT_FALSE(os::ReadRegistryString("Huge", "V"));
    }
    Use(bounded);
    EXPECT_EQ(os::ReadRegistryString("Bounded", "V"), "yes");
}

} // namespace
