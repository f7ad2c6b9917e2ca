// The program's small per-user settings store (the chosen language), kept by
// QSettings under the organisation and application "Zentor Keyboard".
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The stored "LANGUAGE" value: the "Language_ID" of the chosen language, or
// nothing when none was ever stored or the stored value is not a number.
std::optional<uint32_t> ReadLanguageSetting();

// Stores "LANGUAGE"; false when the store cannot be written.
bool WriteLanguageSetting(uint32_t languageId);

}  // namespace platform
