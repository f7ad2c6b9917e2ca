#include "profile/JsonFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/Trace.h"

namespace profile {
namespace fs = std::filesystem;

namespace {

std::mutex g_hookMutex;
WriteStepHook g_hook;

bool StepAllowed(WriteStep step) {
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

// A name beside the target that no other writer of this process or another
// one uses at the same moment.
fs::path TemporaryPathFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + ".tmp." + std::to_string(::getpid()) +
                       "." + std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
}

// After the rename the directory entry itself must reach the disk, or a power
// cut can still bring back the old name. A folder that cannot be synced does
// not undo the write.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string ReadFileText(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    platform::TraceF("readjsonFile 错误吗：：%d\n", fd < 0 ? errno : 0);
    if (fd < 0) {
        return {};
    }
    std::string text;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        text.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < text.size()) {
            ssize_t got = ::read(fd, text.data() + done, text.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            done += static_cast<size_t>(got);
        }
        // A file that changed length while it was read is not taken half.
        if (done != text.size()) {
            text.clear();
        }
    }
    ::close(fd);
    return text;
}

Json::Value ReadJsonFile(const fs::path& path) {
    std::string text = ReadFileText(path);
    if (text.empty()) {
        platform::Trace(path.string());
        return Json::Value();
    }
    Json::Value root;
    try {
        Json::Reader reader;
        if (!reader.parse(text, root, true)) {
            return Json::Value();
        }
    } catch (const std::exception&) {
        // jsoncpp throws when nesting is too deep; such a file is invalid here.
        return Json::Value();
    }
    return root;
}

std::string RenderJsonFileText(const Json::Value& value) {
    std::string styled;
    try {
        Json::StyledWriter writer;
        styled = writer.write(value);
    } catch (const std::exception&) {
        return {};
    }
    styled += '\n';
    std::string text;
    text.reserve(styled.size() + styled.size() / 8);
    for (char c : styled) {
        if (c == '\n') {
            text += '\r';
        }
        text += c;
    }
    return text;
}

bool TryWriteJsonFile(const Json::Value& value, const fs::path& path) {
    if (path.empty() || !path.has_filename()) {
        return false;
    }
    std::string text = RenderJsonFileText(value);
    if (text.empty()) {
        return false;
    }
    fs::path temporary = TemporaryPathFor(path);
    int fd = -1;
    if (StepAllowed(WriteStep::kCreate)) {
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    if (fd < 0) {
        platform::TraceF("json write: cannot create %s: %s", temporary.c_str(),
                         std::strerror(errno));
        return false;
    }
    bool ok = true;
    if (StepAllowed(WriteStep::kWrite)) {
        ok = WriteAll(fd, text.data(), text.size());
    } else {
        WriteAll(fd, text.data(), text.size() / 2);
        ok = false;
    }
    ok = ok && StepAllowed(WriteStep::kSync) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && StepAllowed(WriteStep::kRename) && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        platform::TraceF("json write: %s not written, the old file stays", path.c_str());
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(path.parent_path());
    return true;
}

int WriteJsonFile(const Json::Value& value, const fs::path& path) {
    TryWriteJsonFile(value, path);
    return 0;
}

WriteStepHook SetWriteStepHook(WriteStepHook hook) {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    return std::exchange(g_hook, std::move(hook));
}

}  // namespace profile
