// Whole-file reads and safe whole-file replacement. A replaced file is always
// either its old or its new content: the bytes go to a temporary file in the
// same folder, reach the disk, and the temporary file is renamed over the old
// one. Any failure leaves the old file and removes the temporary one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Reads the whole file into `text`. False when it cannot be opened or read
// whole; `error` then holds the system error code (0 on success).
bool ReadWholeFile(const std::filesystem::path& path, std::string& text, int& error);

struct FileStamp;

// Replaces the content of `path` by `bytes`; true when the new content is in
// place. The folder must exist. `written`, when given, receives the stamp of
// the new file.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                 FileStamp* written = nullptr);

// Identifies one version of a file: it changes whenever the file is replaced
// or written (identity, size or modification time).
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file; false when there is no such file.
bool StampFile(const std::filesystem::path& path, FileStamp& stamp);

// The steps of ReplaceFile, in order. Tests install a hook that makes one of
// them fail as a full disk or a crash would; a failing kWrite writes half the
// bytes first.
enum class FileWriteStep { kCreate, kWrite, kSync, kRename };
using FileWriteHook = std::function<bool(FileWriteStep step)>;

// Installs a hook (an empty function removes it); returns the previous one.
FileWriteHook SetFileWriteHook(FileWriteHook hook);

}  // namespace platform
