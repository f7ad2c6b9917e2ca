// Registered message numbers: each name gets a stable number in 0xC000..0xFFFF
// for the life of the process, the same for every caller.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

constexpr uint32_t kFirstRegisteredMessage = 0xC000;
constexpr uint32_t kLastRegisteredMessage = 0xFFFF;

// Returns the name's number, registering it on first use; 0 when the name is
// empty or the range is used up.
uint32_t RegisterMessage(const std::string& name);

// The number of a name already registered, or 0.
uint32_t FindRegisteredMessage(const std::string& name);

// The name of a registered number, or an empty text.
std::string RegisteredMessageName(uint32_t number);

inline bool IsRegisteredMessageNumber(uint32_t number) {
    return number >= kFirstRegisteredMessage && number <= kLastRegisteredMessage;
}

}  // namespace platform
