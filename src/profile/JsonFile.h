// Reading and writing the program's JSON files. Every file is read whole and
// written whole in jsoncpp's styled form with CR LF line ends; a write replaces
// the file safely (platform/FileStore.h), so a file is always either its old
// or its new content.
#pragma once

#include <json/json.h>

#include <filesystem>
#include <string>

#include "platform/FileStore.h"

namespace profile {

// The bytes of the whole file; empty when the file cannot be opened or read.
std::string ReadFileText(const std::filesystem::path& path);

// The parsed file (comments allowed); a null value when the file is missing,
// empty or not valid JSON.
Json::Value ReadJsonFile(const std::filesystem::path& path);

// The exact bytes a JSON file is written with: the styled text, one more
// newline, and every line ended by CR LF.
std::string RenderJsonFileText(const Json::Value& value);

// Writes `value` to `path` in place of the old content. True when the new
// content is in place (and `written`, when given, has its stamp); on false the
// old file is unchanged.
bool TryWriteJsonFile(const Json::Value& value, const std::filesystem::path& path,
                      platform::FileStamp* written = nullptr);

// The program's write call: as TryWriteJsonFile, but it always returns 0, as
// callers expect; a failure is traced and leaves the old file.
int WriteJsonFile(const Json::Value& value, const std::filesystem::path& path);

}  // namespace profile
