// The command channel of one device: framed, checksummed 64-byte requests with
// one 64-byte reply each, chunked transfers, over the cable or the receiver
// slot. Every operation returns a result code (kResult*).
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "device/HidInterface.h"

namespace device {

enum : int {
    kResultSuccess = 1,
    kResultFailed = 0,  // not open, or the reply could not be read
    kResultWriteFailed = -1,
    kResultUnreachable = -101,
    kResultStatusFF = -102,
    kResultStatusFE = -103,
    kResultBadPage = -201,
};

enum : uint8_t {
    CMD_BEGIN = 0x01,
    CMD_END = 0x02,
    CMD_READ_INFO = 0x03,
    CMD_READ_PARAM = 0x05,
    CMD_WRITE_PARAM = 0x06,
    CMD_READ_KEYMAP = 0x07,
    CMD_WRITE_KEYMAP = 0x09,
    CMD_WRITE_CUSTOM_LIGHT = 0x0B,
    CMD_LIGHT_FRAME = 0x12,
    CMD_WRITE_MACRO = 0x15,
    CMD_WRITE_SHOOT = 0x17,
    CMD_READ_STATUS = 0x1A,
    CMD_READ_LED_INDEX = 0x1B,
    CMD_HOST_LIGHT = 0x1C,
    CMD_WIRELESS_QUERY = 0xAA,
};

constexpr int LINK_MODE_WIRED = 1;
constexpr int LINK_MODE_24G = 2;

class DeviceLink {
public:
    static constexpr std::size_t kPacketSize = 64;
    static constexpr std::size_t kDataOffset = 8;
    static constexpr std::size_t kMaxChunk = 56;
    static constexpr uint16_t kMaxDataSize = 512;
    static constexpr std::size_t kInfoSize = 34;
    static constexpr uint8_t kReportId = 0x04;
    static constexpr int kWiredTimeoutMs = 1000;
    static constexpr int kWirelessTimeoutMs = 5000;

    DeviceLink() = default;
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    void SetMode(int mode);
    bool SetDataSize(uint16_t n);

    int Exchange(const uint8_t* request, uint32_t requestLength, uint8_t* reply,
                 uint32_t replyLength, uint32_t& received);
    int ExchangeShort(const uint8_t* request, uint32_t requestLength, uint8_t* reply,
                      uint32_t replyLength, uint32_t& received);

    int Begin();
    int End();
    int ReadInfo(uint8_t* info34);
    int ReadParam(uint8_t* destination, uint32_t n, uint16_t offset);
    int WriteParam(const uint8_t* source, uint32_t n, uint16_t offset);
    int ReadKeyMap(uint8_t* destination);
    int WriteKeyMap(const uint8_t* source, int page);
    int WriteCustomLight(const uint8_t* source, uint32_t n, int page, int stride);
    int SendLightFrame(const uint8_t* source, uint32_t n);
    int WriteMacro(const uint8_t* source, uint32_t n);
    int WriteShoot(const uint8_t* source, uint32_t n);
    int ReadStatus(uint8_t* destination, uint8_t n, uint16_t offset);
    int ReadLedIndex(uint8_t* destination);
    int HostLight();
    bool QueryWireless();

    // The 16-bit byte sum of bytes 3..63 of a finished request.
    static uint16_t Checksum(const uint8_t* packet64);

    HidInterface& WiredInterface() { return m_wired; }
    HidInterface& WirelessInterface() { return m_wireless; }
    // Held by whoever closes and reopens a slot.
    std::recursive_mutex& IoLock() { return m_ioLock; }

    bool IsOpen() const { return m_open.load(); }
    void SetOpen(bool open) { m_open.store(open); }
    bool IsSync() const { return m_sync.load(); }
    void SetSync(bool sync) { m_sync.store(sync); }
    bool IsWireless() const { return m_wireless24G.load(); }
    bool IsBusy() const { return m_busy.load(std::memory_order_relaxed) != 0; }
    uint8_t ChunkSize() const { return m_chunkSize.load(); }
    uint16_t DataSize() const { return m_dataSize.load(); }

private:
    enum class LockKind { kCommand, kLight, kNone };
    enum class Direction { kNone, kRead, kWrite };

    // One command through the standard template: chunks of chunkSize over n
    // bytes at base offset (one packet when n is 0 and dir is kNone).
    int Transfer(uint8_t command, Direction dir, uint8_t* readDst, const uint8_t* writeSrc,
                 uint32_t n, uint32_t baseOffset, uint32_t chunkSize, LockKind lock);
    static void Finish(uint8_t* packet64);

    std::atomic<uint16_t> m_dataSize{kMaxDataSize};
    std::atomic<uint8_t> m_busy{0};
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_sync{false};
    HidInterface m_wired;
    HidInterface m_wireless;
    std::recursive_mutex m_ioLock;
    std::mutex m_commandLock;
    std::mutex m_lightLock;
    std::atomic<bool> m_wireless24G{false};
    std::atomic<uint8_t> m_chunkSize{24};
};

}  // namespace device
