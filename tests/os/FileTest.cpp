#include "os/kernel/File.h"

#include "os/kernel/LastError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <tuple>

#include "support/ScratchPath.h"

namespace {

using kavelin::os::File;

std::string ReadAll(const File& file) {
    std::string text(static_cast<size_t>(file.Size().value_or(0)), '\0');
    text.resize(file.ReadAt(0, text.data(), text.size()).value_or(0));
    return text;
}

unsigned ModeOf(const std::string& path) {
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777u : 0u;
}

TEST(File, AppendsRewritesTruncatesAndLocksRanges) {
    const kavelin_test::ScratchFolder dir("kavelin-file");
    const auto path = dir.Path() + "/edit";
    {
        const mode_t umaskBefore = umask(077);
        auto file = File::OpenOrCreate(path);
        umask(umaskBefore);
        ASSERT_TRUE(file);
        EXPECT_EQ(ModeOf(path), 0666u) << "a new file is everyone's, whatever the umask";
        EXPECT_EQ(file->SeekToEnd(), 0u);
        ASSERT_TRUE(file->Append("hello ", 6));
    }
    chmod(path.c_str(), 0640);
    auto file = File::OpenOrCreate(path);
    auto other = File::OpenOrCreate(path);
    ASSERT_TRUE(file && other);
    EXPECT_EQ(ModeOf(path), 0640u) << "an existing file keeps its mode";
    EXPECT_EQ(file->SeekToEnd(), 6u) << "an existing file is opened, not emptied";
    // No handle writes over what another appended.
    ASSERT_TRUE(file->Append("wo", 2));
    ASSERT_TRUE(other->Append("rl", 2));
    ASSERT_TRUE(file->Append("d", 1));
    EXPECT_EQ(ReadAll(*file), "hello world");
    ASSERT_TRUE(file->WriteAt(0, "HE", 2));
    char tail[16];
    EXPECT_EQ(file->ReadAt(6, tail, sizeof(tail)), 5u);
    EXPECT_EQ(file->ReadAt(11, tail, sizeof(tail)), 0u);
    ASSERT_TRUE(file->Truncate(5));
    EXPECT_EQ(ReadAll(*file), "HEllo");
    EXPECT_EQ(file->SeekToEnd(), 5u);

    // A range lock excludes another handle from any range that overlaps it.
    ASSERT_TRUE(file->LockRange(0, 5));
    // (offset, length, whether it locks): overlapping, inside, after.
    for (const auto& [offset, length, locks] :
         {std::tuple{4u, 4u, false}, std::tuple{1u, 1u, false}, std::tuple{5u, 5u, true}}) {
        EXPECT_EQ(other->LockRange(offset, length), locks) << offset;
        if (locks) {
            EXPECT_TRUE(other->UnlockRange(offset, length)) << offset;
        }
    }
    ASSERT_TRUE(file->UnlockRange(0, 5));
    EXPECT_TRUE(other->LockRange(0, 5)) << "free again after unlock";
}

// Refused without waiting for a reader or writer, and without touching what a link names.
TEST(File, OnlyARegularFileIsOpened) {
    const kavelin_test::ScratchFolder dir("kavelin-file");
    const auto at = [&](const char* name) { return dir.Path() + "/" + name; };
    ASSERT_EQ(mkfifo(at("fifo").c_str(), 0600), 0);
    std::filesystem::create_directories(at("folder"));
    std::ofstream(at("target")) << "kept";
    chmod(at("target").c_str(), 0600);
    std::filesystem::create_symlink(at("target"), at("link"));
    std::filesystem::create_symlink(at("nowhere"), at("dangling"));
    const struct {
        std::string path;
        bool special;  // NotARegularFile
        bool readable; // OpenForReading follows a link
    } cases[] = {{at("fifo"), true, false},     {at("folder"), true, false},
                 {"/dev/null", true, false},    {at("link"), true, true},
                 {at("dangling"), true, false}, {"/nonexistent-folder/x.log", false, false}};
    for (const auto& c : cases) {
        kavelin::os::SetLastErrorCode(0);
        EXPECT_FALSE(File::OpenOrCreate(c.path)) << c.path;
        EXPECT_NE(kavelin::os::LastErrorCode(), 0u) << c.path;
        EXPECT_EQ(File::NotARegularFile(c.path), c.special) << c.path;
        EXPECT_EQ(File::OpenForReading(c.path).has_value(), c.readable) << c.path;
    }
    EXPECT_EQ(ModeOf(at("target")), 0600u);
    EXPECT_EQ(std::filesystem::file_size(at("target")), 4u);
    EXPECT_FALSE(std::filesystem::exists(at("nowhere")));
}

} // namespace
