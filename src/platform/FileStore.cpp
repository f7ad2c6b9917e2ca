#include "platform/FileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <utility>

namespace platform {
namespace fs = std::filesystem;

namespace {

std::mutex g_hookMutex;
FileWriteHook g_hook;

bool StepAllowed(FileWriteStep step) {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    return !g_hook || g_hook(step);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// A name beside the target that no other writer of this process or of another
// one uses at the same moment; the leading dot hides a file left by a crash.
FileStamp StampOf(const struct stat& info) {
    FileStamp stamp;
    stamp.device = static_cast<uint64_t>(info.st_dev);
    stamp.inode = static_cast<uint64_t>(info.st_ino);
    stamp.size = static_cast<uint64_t>(info.st_size);
    stamp.modifiedNs =
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

fs::path TemporaryPathFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + ".tmp." + std::to_string(::getpid()) +
                       "." + std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
}

}  // namespace

bool ReadWholeFile(const fs::path& path, std::string& text, int& error) {
    text.clear();
    error = 0;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!ok) {
        error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    } else {
        text.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < text.size()) {
            ssize_t got = ::read(fd, text.data() + done, text.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                error = got < 0 ? errno : 0;
                break;
            }
            done += static_cast<size_t>(got);
        }
        // A file that changed length while it was read is not taken half.
        ok = done == text.size();
        if (!ok) {
            text.clear();
        }
    }
    ::close(fd);
    return ok;
}

bool ReplaceFile(const fs::path& path, std::string_view bytes, FileStamp* written) {
    if (path.empty() || !path.has_filename()) {
        return false;
    }
    fs::path temporary = TemporaryPathFor(path);
    int fd = -1;
    if (StepAllowed(FileWriteStep::kCreate)) {
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    if (StepAllowed(FileWriteStep::kWrite)) {
        ok = WriteAll(fd, bytes.data(), bytes.size());
    } else {
        WriteAll(fd, bytes.data(), bytes.size() / 2);
        ok = false;
    }
    // The content must be on the disk before the new name points at it. The
    // folder is not synced: a rename lost in a power cut brings back the old
    // file, which is still whole.
    ok = ok && StepAllowed(FileWriteStep::kSync) && ::fsync(fd) == 0;
    // The rename keeps the file's identity and modification time, so the
    // stamp taken here is the stamp of the replaced file.
    struct stat info {};
    ok = ok && ::fstat(fd, &info) == 0;
    ok = (::close(fd) == 0) && ok;
    ok =
        ok && StepAllowed(FileWriteStep::kRename) && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (written != nullptr) {
        *written = StampOf(info);
    }
    return true;
}

bool StampFile(const fs::path& path, FileStamp& stamp) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    stamp = StampOf(info);
    return true;
}

FileWriteHook SetFileWriteHook(FileWriteHook hook) {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    return std::exchange(g_hook, std::move(hook));
}

}  // namespace platform
