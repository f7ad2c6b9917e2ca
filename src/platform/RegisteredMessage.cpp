#include "platform/RegisteredMessage.h"

#include <mutex>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<std::string, uint32_t> numbers;
    std::vector<std::string> names;  // index = number - kFirstRegisteredMessage
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

uint32_t RegisterMessage(const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    auto found = registry.numbers.find(name);
    if (found != registry.numbers.end()) {
        return found->second;
    }
    uint32_t number = kFirstRegisteredMessage + static_cast<uint32_t>(registry.names.size());
    if (number > kLastRegisteredMessage) {
        return 0;
    }
    registry.names.push_back(name);
    registry.numbers.emplace(name, number);
    return number;
}

uint32_t FindRegisteredMessage(const std::string& name) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    auto found = registry.numbers.find(name);
    return found == registry.numbers.end() ? 0 : found->second;
}

std::string RegisteredMessageName(uint32_t number) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    if (!IsRegisteredMessageNumber(number)) {
        return {};
    }
    std::size_t index = number - kFirstRegisteredMessage;
    return index < registry.names.size() ? registry.names[index] : std::string();
}

}  // namespace platform
