#include "app/WorkToolQuery.h"

#include "device/DeviceTables.h"

namespace app {

std::vector<uint8_t> BuildWorkToolBlock() {
    std::vector<uint8_t> block(kWorkToolBlockSize, 0);
    std::size_t next = 0;
    auto put = [&block, &next](uint32_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            block[next * 4 + static_cast<std::size_t>(byte)] =
                static_cast<uint8_t>(value >> (8 * byte));
        }
        ++next;
    };
    for (uint32_t value : {2u, 3u, 0u, 2u}) {
        put(value);
    }
    const auto& kinds = device::DeviceKindTable();
    put(static_cast<uint32_t>(kinds.size()));
    for (const auto& row : kinds) {
        put(row.vendorId);
        put(row.productId);
        put(row.kind);
    }
    return block;
}

}  // namespace app
