// The answer to a production tool's query: the list of device kinds the
// program supports, as the 1024-byte block of 32-bit little-endian integers
// the tool reads.
#pragma once

#include <cstdint>
#include <vector>

namespace app {

constexpr std::size_t kWorkToolBlockSize = 1024;
// The dwData of the block and the title of the tool's window; on the bus the
// block travels as a message of that name with lParam = the dwData.
constexpr uint32_t kWorkToolDataKind = 5;
constexpr char kWorkToolName[] = "WorkTool";

// Integers 0-3: 2, 3, 0, 2; integer 4: the number of device kinds; then for
// each row of the device kind table its vendor ID, product ID and kind code;
// zero beyond.
std::vector<uint8_t> BuildWorkToolBlock();

}  // namespace app
