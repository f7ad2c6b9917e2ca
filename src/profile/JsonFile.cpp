#include "profile/JsonFile.h"

#include <memory>

#include "platform/Trace.h"

namespace profile {
namespace fs = std::filesystem;

std::string ReadFileText(const fs::path& path) {
    std::string text;
    int error = 0;
    platform::ReadWholeFile(path, text, error);
    platform::TraceF("readjsonFile 错误吗：：%d\n", error);
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
        static const Json::CharReaderBuilder builder;  // comments allowed and kept
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        if (!reader->parse(text.data(), text.data() + text.size(), &root, nullptr)) {
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
    // The file is written as a text file would be on the program's first
    // platform: one more newline, and CR LF for every line end.
    styled += '\n';
    std::string text;
    text.reserve(styled.size() + styled.size() / 4);
    size_t start = 0;
    for (size_t end = styled.find('\n'); end != std::string::npos;
         start = end + 1, end = styled.find('\n', start)) {
        text.append(styled, start, end - start);
        text += "\r\n";
    }
    return text;
}

bool TryWriteJsonFile(const Json::Value& value, const fs::path& path,
                      platform::FileStamp* written) {
    std::string text = RenderJsonFileText(value);
    if (text.empty() || !platform::ReplaceFile(path, text, written)) {
        platform::TraceF("json write: %s not written, the old file stays", path.c_str());
        return false;
    }
    return true;
}

int WriteJsonFile(const Json::Value& value, const fs::path& path) {
    TryWriteJsonFile(value, path);
    return 0;
}

}  // namespace profile
