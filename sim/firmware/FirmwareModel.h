// The firmware of one simulated device: its memory (device information, key
// and LED tables, parameter memory with the settings slots, key map, custom
// colour groups, macro and recoil areas, status block, host lighting flag,
// the last streamed frame) and its answers to the 64-byte command packets,
// with faults that tests switch on.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace sim {

enum class SimKind { kKeyboard, kMouse, kMousePad, kHeadset };

// "keyboard", "mouse", "pad", "headset"; false for anything else.
bool ParseSimKind(const std::string& text, SimKind& kind);
const char* SimKindName(SimKind kind);

// Faults of the firmware itself. Each applies to every packet once
// `afterPackets` further packets have been answered normally.
struct FirmwareFaults {
    int latencyMs = 0;             // time the device takes per report, each direction
    bool noReply = false;          // requests are swallowed
    bool wrongEcho = false;        // the reply carries another command byte
    bool staleReplyFirst = false;  // an unrelated reply comes before the real one
    uint8_t status = 0;            // forced reply status (0xFF, 0xFE); 0 = normal
    int afterPackets = 0;
};

class FirmwareModel {
public:
    static constexpr std::size_t kPacket = 64;
    static constexpr std::size_t kInfoSize = 34;
    static constexpr std::size_t kParamSize = 1024;
    static constexpr std::size_t kKeyMapSize = 512;
    static constexpr std::size_t kCustomLightSize = 8 * 512;
    static constexpr std::size_t kRecoilSize = 2048;
    static constexpr std::size_t kStatusSize = 6;
    static constexpr uint8_t kStatusOk = 0x00;
    static constexpr uint8_t kStatusRejected = 0xFF;
    static constexpr std::size_t kRequestLog = 1024;

    explicit FirmwareModel(SimKind kind);

    SimKind Kind() const { return m_kind; }

    // Answers one request written to the vendor collection; empty when the
    // device stays silent. Each answer is one 64-byte input report.
    std::vector<std::vector<uint8_t>> Handle(const uint8_t* request, std::size_t length);

    FirmwareFaults& Faults() { return m_faults; }
    int LatencyMs() const { return m_faults.latencyMs; }

    // Memory, for tests and the demo mode to look at and change.
    std::array<uint8_t, kInfoSize>& Info() { return m_info; }
    std::vector<uint8_t>& DefaultKeyTable() { return m_keyTable; }
    std::vector<uint8_t>& LedTable() { return m_ledTable; }
    std::vector<uint8_t>& Params() { return m_params; }
    std::vector<uint8_t>& KeyMap() { return m_keyMap; }
    std::vector<uint8_t>& CustomLight() { return m_customLight; }
    std::vector<uint8_t>& Macros() { return m_macros; }
    std::vector<uint8_t>& Recoil() { return m_recoil; }
    std::array<uint8_t, kStatusSize>& Status() { return m_status; }
    std::vector<uint8_t>& LastFrame() { return m_frame; }

    int KeyCount() const { return m_info[5]; }
    int LedCount() const { return m_ledCount; }
    bool HostLighting() const { return m_hostLight; }
    bool InTransaction() const { return m_inTransaction; }
    uint16_t FirmwareVersion() const { return static_cast<uint16_t>(m_info[1] | m_info[2] << 8); }

    // Counters and the log of the last kRequestLog requests.
    int Transactions() const { return m_transactions; }
    int ChecksumErrors() const { return m_checksumErrors; }
    int FrameChunks() const { return m_frameChunks; }
    const std::deque<std::vector<uint8_t>>& Requests() const { return m_requests; }
    void ClearRequests() { m_requests.clear(); }

private:
    void LoadDefaults();
    uint8_t Apply(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data,
                  uint8_t* replyData);

    SimKind m_kind;
    FirmwareFaults m_faults;
    std::array<uint8_t, kInfoSize> m_info{};
    std::vector<uint8_t> m_keyTable;
    std::vector<uint8_t> m_ledTable;
    std::vector<uint8_t> m_params;
    std::vector<uint8_t> m_keyMap;
    std::vector<uint8_t> m_customLight;
    std::vector<uint8_t> m_macros;
    std::vector<uint8_t> m_recoil;
    std::array<uint8_t, kStatusSize> m_status{};
    std::vector<uint8_t> m_frame;
    int m_ledCount = 0;
    bool m_hostLight = false;
    bool m_inTransaction = false;
    int m_transactions = 0;
    int m_checksumErrors = 0;
    int m_frameChunks = 0;
    std::deque<std::vector<uint8_t>> m_requests;
};

}  // namespace sim
