#include "os/registry/Registry.h"

#include "os/registry/RegFileParser.h"
#include "os/registry/posix/RegistryFile.h"
#include "os/text/AsciiCase.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace kavelin::os {
namespace {

constexpr const char* kDefaultRegistryFile = "/etc/kavelin/registry.reg";

std::vector<std::string> RegistryFiles() {
    const char* list = std::getenv("KAVELIN_REGISTRY");
    if (list == nullptr || *list == '\0')
        return {kDefaultRegistryFile};
    std::vector<std::string> files;
    std::string_view rest = list;
    while (true) {
        const auto colon = rest.find(':');
        const auto file = rest.substr(0, colon);
        if (!file.empty())
            files.emplace_back(file);
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    return files;
}

std::string_view TrimBackslashes(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

// True when `key` is `ancestor` or lies below it.
bool IsAtOrBelow(std::string_view key, std::string_view ancestor) {
    if (key.size() < ancestor.size() ||
        !RegistryNamesEqual(key.substr(0, ancestor.size()), ancestor))
        return false;
    return key.size() == ancestor.size() || key[ancestor.size()] == '\\';
}

// The folded form of a key path, as the hive compares names.
std::string FoldedName(std::string_view name) {
    return AsciiLowered(name);
}

using KeyValues = std::vector<std::pair<std::string, RegistryValue>>;

// One file of the search list as it was last read.
struct ReadFile {
    std::string path;
    std::optional<RegistryFileStamp> stamp;
    std::vector<RegFileEdit> edits;
    bool settled = true;

    bool StillCurrent(const std::string& otherPath,
                      const std::optional<RegistryFileStamp>& otherStamp) const {
        return settled && path == otherPath && stamp == otherStamp;
    }
};

ReadFile Read(const std::string& path, const std::optional<RegistryFileStamp>& stamp) {
    ReadFile file{path, stamp, {}, true};
    if (!stamp)
        return file;
    const RegistryFileText text = ReadRegistryFile(path, *stamp);
    file.stamp = text.stamp;
    file.settled = text.settled;
    file.edits = ParseRegFile(text.bytes);
    return file;
}

// Replays every file's edits against the one key asked for: later files and later lines win,
// and a section for a subkey makes its parents exist, as it does in the hive.
std::optional<KeyValues> ReplayEdits(const std::vector<ReadFile>& files, std::string_view wanted) {
    bool exists = false;
    KeyValues values;
    for (const auto& file : files) {
        for (const auto& edit : file.edits) {
            switch (edit.kind) {
            case RegFileEdit::CreateKey:
                exists = exists || IsAtOrBelow(edit.keyPath, wanted);
                break;
            case RegFileEdit::DeleteKey:
                if (IsAtOrBelow(wanted, edit.keyPath)) {
                    exists = false;
                    values.clear();
                }
                break;
            case RegFileEdit::SetValue:
            case RegFileEdit::DeleteValue:
                if (!RegistryNamesEqual(edit.keyPath, wanted))
                    break;
                std::erase_if(values, [&](const auto& entry) {
                    return RegistryNamesEqual(entry.first, edit.valueName);
                });
                if (edit.kind == RegFileEdit::SetValue)
                    values.emplace_back(edit.valueName, edit.value);
                break;
            }
        }
    }
    if (!exists)
        return std::nullopt;
    return values;
}

// Hosts open the same few keys over and over: keep more than they use, fewer than a loop
// over generated names could make grow without end.
constexpr size_t kMostKeptKeys = 64;

// What the search list's files said when they were last read, and the keys opened since, so
// that opening a key costs one stat per file while no file changes. Shared by every thread.
class RegistryCache {
public:
    std::optional<KeyValues> Open(std::string_view wanted) {
        const std::vector<std::string> paths = RegistryFiles();
        std::vector<std::optional<RegistryFileStamp>> stamps;
        stamps.reserve(paths.size());
        for (const std::string& path : paths)
            stamps.push_back(StampRegistryFile(path));

        const std::lock_guard<std::mutex> lock(mMutex);
        bool unchanged = paths.size() == mFiles.size();
        for (size_t i = 0; i < paths.size(); ++i) {
            if (i < mFiles.size() && mFiles[i].StillCurrent(paths[i], stamps[i]))
                continue;
            unchanged = false;
            if (i < mFiles.size())
                mFiles[i] = Read(paths[i], stamps[i]);
            else
                mFiles.push_back(Read(paths[i], stamps[i]));
        }
        mFiles.resize(paths.size());
        if (!unchanged)
            mKeys.clear();

        const std::string folded = FoldedName(wanted);
        if (const auto kept = mKeys.find(folded); kept != mKeys.end())
            return kept->second;
        std::optional<KeyValues> key = ReplayEdits(mFiles, wanted);
        const bool settled =
            std::all_of(mFiles.begin(), mFiles.end(), [](const ReadFile& f) { return f.settled; });
        if (settled) {
            if (mKeys.size() >= kMostKeptKeys)
                mKeys.clear();
            mKeys.emplace(folded, key);
        }
        return key;
    }

private:
    std::mutex mMutex;
    std::vector<ReadFile> mFiles;
    std::map<std::string, std::optional<KeyValues>> mKeys;
};

RegistryCache& Cache() {
    static RegistryCache cache;
    return cache;
}

} // namespace

std::optional<RegistryKey> RegistryKey::OpenLocalMachine(std::string_view path) {
    std::optional<KeyValues> values = Cache().Open(TrimBackslashes(path));
    if (!values)
        return std::nullopt;
    RegistryKey key;
    key.mValues = std::move(*values);
    return key;
}

} // namespace kavelin::os
