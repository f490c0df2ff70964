#include "os/kernel/File.h"

#include "os/kernel/LastError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("kavelin-file-" + std::to_string(getpid()) + "-" + name))
        .string();
}

std::string ReadAll(const kavelin::os::File& file) {
    std::string text(static_cast<size_t>(file.Size().value_or(0)), '\0');
    const auto got = file.ReadAt(0, text.data(), text.size());
    text.resize(got.value_or(0));
    return text;
}

unsigned ModeOf(const std::string& path) {
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777u : 0u;
}

TEST(File, AppendsRewritesAndTruncates) {
    const auto path = TempPath("edit");
    std::filesystem::remove(path);
    {
        const mode_t umaskBefore = umask(077);
        auto file = kavelin::os::File::OpenOrCreate(path);
        umask(umaskBefore);
        ASSERT_TRUE(file);
        EXPECT_EQ(ModeOf(path), 0666u) << "a new file is everyone's, whatever the umask";
        EXPECT_EQ(file->SeekToEnd(), 0u);
        ASSERT_TRUE(file->Append("hello ", 6));
    }
    chmod(path.c_str(), 0640);
    auto file = kavelin::os::File::OpenOrCreate(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(ModeOf(path), 0640u) << "an existing file keeps its mode";
    EXPECT_EQ(file->SeekToEnd(), 6u) << "an existing file is opened, not emptied";
    ASSERT_TRUE(file->Append("world", 5));
    EXPECT_EQ(ReadAll(*file), "hello world");
    ASSERT_TRUE(file->WriteAt(0, "HE", 2));
    char tail[16];
    EXPECT_EQ(file->ReadAt(6, tail, sizeof(tail)), 5u);
    EXPECT_EQ(file->ReadAt(11, tail, sizeof(tail)), 0u);
    ASSERT_TRUE(file->Truncate(5));
    EXPECT_EQ(ReadAll(*file), "HEllo");
    EXPECT_EQ(file->SeekToEnd(), 5u);
    std::filesystem::remove(path);
}

TEST(File, RangeLocksExcludeOtherHandles) {
    const auto path = TempPath("lock");
    auto first = kavelin::os::File::OpenOrCreate(path);
    auto second = kavelin::os::File::OpenOrCreate(path);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->Append("0123456789", 10));
    const struct {
        const char* name;
        uint64_t offset;
        uint64_t length;
        bool locks;
    } cases[] = {
        {"overlapping", 4, 4, false},
        {"inside", 1, 1, false},
        {"after the range", 5, 5, true},
    };
    ASSERT_TRUE(first->LockRange(0, 5));
    for (const auto& c : cases) {
        EXPECT_EQ(second->LockRange(c.offset, c.length), c.locks) << c.name;
        if (c.locks) {
            EXPECT_TRUE(second->UnlockRange(c.offset, c.length)) << c.name;
        }
    }
    ASSERT_TRUE(first->UnlockRange(0, 5));
    EXPECT_TRUE(second->LockRange(0, 5)) << "free again after unlock";
    std::filesystem::remove(path);
}

TEST(File, HandlesAppendAfterEachOther) {
    const auto path = TempPath("append");
    std::filesystem::remove(path);
    auto first = kavelin::os::File::OpenOrCreate(path);
    auto second = kavelin::os::File::OpenOrCreate(path);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->Append("a", 1));
    ASSERT_TRUE(second->Append("bb", 2));
    ASSERT_TRUE(first->Append("c", 1));
    EXPECT_EQ(ReadAll(*first), "abbc") << "no handle writes over what another appended";
    std::filesystem::remove(path);
}

// Refused without waiting for a reader or writer, and without touching what a link names.
TEST(File, OnlyARegularFileIsOpened) {
    const auto fifo = TempPath("fifo");
    const auto folder = TempPath("folder");
    const auto target = TempPath("target");
    const auto link = TempPath("link");
    const auto dangling = TempPath("dangling");
    for (const auto& path : {fifo, link, dangling})
        std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directories(folder);
    std::ofstream(target) << "kept";
    chmod(target.c_str(), 0600);
    std::filesystem::create_symlink(target, link);
    std::filesystem::create_symlink(TempPath("nowhere"), dangling);
    const struct {
        std::string path;
        bool readable; // OpenForReading follows a link
    } cases[] = {
        {fifo, false}, {folder, false}, {"/dev/null", false}, {link, true}, {dangling, false}};
    for (const auto& c : cases) {
        kavelin::os::SetLastErrorCode(0);
        EXPECT_FALSE(kavelin::os::File::OpenOrCreate(c.path)) << c.path;
        EXPECT_NE(kavelin::os::LastErrorCode(), 0u) << c.path;
        EXPECT_TRUE(kavelin::os::File::NotARegularFile(c.path)) << c.path;
        EXPECT_EQ(kavelin::os::File::OpenForReading(c.path).has_value(), c.readable) << c.path;
    }
    EXPECT_EQ(ModeOf(target), 0600u);
    EXPECT_EQ(std::filesystem::file_size(target), 4u);
    EXPECT_FALSE(std::filesystem::exists(TempPath("nowhere")));
    for (const auto& path : {fifo, folder, target, link, dangling})
        std::filesystem::remove(path);
}

TEST(File, OpenFailureSetsTheLastError) {
    kavelin::os::SetLastErrorCode(0);
    EXPECT_FALSE(kavelin::os::File::OpenOrCreate("/nonexistent-folder/x.log"));
    EXPECT_NE(kavelin::os::LastErrorCode(), 0u);
}

} // namespace
