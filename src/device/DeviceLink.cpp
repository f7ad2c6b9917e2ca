#include "device/DeviceLink.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/Trace.h"

namespace device {
namespace {

constexpr uint8_t kStatusFF = 0xFF;
constexpr uint8_t kStatusFE = 0xFE;
constexpr uint8_t kUnreachable = 0xAA;
// The device needs a moment after the last transfer before it takes End.
constexpr int kEndDelayMs = 10;

int StatusCode(const uint8_t* reply) {
    if (reply[7] == kStatusFF) {
        return kResultStatusFF;
    }
    if (reply[7] == kStatusFE) {
        return kResultStatusFE;
    }
    return kResultSuccess;
}

// Clears the busy flag on every way out of Exchange.
struct BusyScope {
    explicit BusyScope(std::atomic<uint8_t>& flag) : m_flag(flag) {
        m_flag.store(1, std::memory_order_relaxed);
    }
    ~BusyScope() { m_flag.store(0, std::memory_order_relaxed); }
    std::atomic<uint8_t>& m_flag;
};

}  // namespace

DeviceLink::~DeviceLink() {
    std::lock_guard<std::recursive_mutex> lock(m_ioLock);
    m_open.store(false);
    m_wired.Close();
    m_wireless.Close();
}

void DeviceLink::SetMode(int mode) {
    if (mode == LINK_MODE_24G) {
        m_wireless24G.store(true);
        m_chunkSize.store(24);
    } else {
        m_wireless24G.store(false);
        m_chunkSize.store(static_cast<uint8_t>(kMaxChunk));
    }
}

bool DeviceLink::SetDataSize(uint16_t n) {
    if (n > kMaxDataSize) {
        return false;
    }
    m_dataSize.store(n);
    return true;
}

uint16_t DeviceLink::Checksum(const uint8_t* packet) {
    uint32_t sum = 0;
    for (std::size_t i = 3; i < kPacketSize; ++i) {
        sum += packet[i];
    }
    return static_cast<uint16_t>(sum & 0xFFFF);
}

void DeviceLink::Finish(uint8_t* packet) {
    uint16_t sum = Checksum(packet);
    packet[1] = static_cast<uint8_t>(sum & 0xFF);
    packet[2] = static_cast<uint8_t>(sum >> 8);
}

int DeviceLink::Exchange(const uint8_t* request, uint32_t requestLength, uint8_t* reply,
                         uint32_t replyLength, uint32_t& received) {
    BusyScope busy(m_busy);
    received = 0;
    if (!m_open.load()) {
        return kResultFailed;
    }
    uint8_t packet[kPacketSize] = {};
    if (request != nullptr) {
        std::memcpy(packet, request, std::min<std::size_t>(requestLength, kPacketSize));
    }
    const bool traced = platform::TraceEnabled();
    if (traced) {
        platform::Trace("命令");
        platform::TraceHexPacket(packet, kPacketSize);
    }
    const bool wireless = m_wireless24G.load();
    HidInterface& slot = wireless ? m_wireless : m_wired;
    const int timeout = wireless ? kWirelessTimeoutMs : kWiredTimeoutMs;

    uint32_t written = 0;
    bool wrote;
    {
        std::lock_guard<std::recursive_mutex> lock(m_ioLock);
        wrote = slot.WriteReport(packet, kPacketSize, written, timeout);
    }
    if (!wrote) {
        return kResultWriteFailed;
    }

    uint8_t answer[kPacketSize] = {};
    int result = kResultFailed;
    {
        std::lock_guard<std::recursive_mutex> lock(m_ioLock);
        for (int attempt = 0; attempt < 2; ++attempt) {
            uint32_t n = 0;
            std::memset(answer, 0, sizeof answer);
            if (!slot.ReadReport(answer, kPacketSize, n, timeout)) {
                // A read that timed out or was stopped is not tried again:
                // a second one would only wait out another time-out.
                result = kResultFailed;
                break;
            }
            received = n;
            result = kResultSuccess;
            if (answer[3] == packet[3]) {
                break;
            }
            if (wireless && answer[3] == kUnreachable && packet[3] != kUnreachable) {
                result = kResultUnreachable;
                break;
            }
        }
    }
    if (reply != nullptr) {
        std::memcpy(reply, answer, std::min<std::size_t>(replyLength, kPacketSize));
    }
    if (traced) {
        platform::Trace("返回");
        platform::TraceHexPacket(answer, kPacketSize);
    }
    return result;
}

int DeviceLink::ExchangeShort(const uint8_t* request, uint32_t requestLength, uint8_t* reply,
                              uint32_t replyLength, uint32_t& received) {
    received = 0;
    if (!m_open.load()) {
        return kResultFailed;
    }
    uint8_t packet[kPacketSize] = {};
    if (request != nullptr) {
        std::memcpy(packet, request, std::min<std::size_t>(requestLength, kPacketSize));
    }
    uint32_t written = 0;
    bool wrote;
    {
        std::lock_guard<std::recursive_mutex> lock(m_ioLock);
        wrote = m_wired.WriteReport(packet, kPacketSize, written, kWiredTimeoutMs);
    }
    if (!wrote) {
        return kResultWriteFailed;
    }
    uint8_t answer[kPacketSize] = {};
    bool read;
    {
        std::lock_guard<std::recursive_mutex> lock(m_ioLock);
        read = m_wired.ReadReport(answer, kPacketSize, received, kWiredTimeoutMs);
    }
    if (reply != nullptr) {
        std::memcpy(reply, answer, std::min<std::size_t>(replyLength, kPacketSize));
    }
    return read ? kResultSuccess : kResultFailed;
}

int DeviceLink::Transfer(uint8_t command, Direction dir, uint8_t* readDst, const uint8_t* writeSrc,
                         uint32_t n, uint32_t baseOffset, uint32_t chunkSize, LockKind lock) {
    if (dir != Direction::kNone && n == 0) {
        return kResultSuccess;
    }
    uint32_t p = 0;
    do {
        uint8_t request[kPacketSize] = {};
        request[0] = kReportId;
        request[3] = command;
        uint32_t length = 0;
        if (dir != Direction::kNone) {
            length = std::min(chunkSize, n - p);
            const uint32_t offset = (baseOffset + p) & 0xFFFF;
            request[4] = static_cast<uint8_t>(length);
            request[5] = static_cast<uint8_t>(offset & 0xFF);
            request[6] = static_cast<uint8_t>(offset >> 8);
            if (dir == Direction::kWrite) {
                std::memcpy(request + kDataOffset, writeSrc + p, length);
            }
        }
        Finish(request);

        uint8_t reply[kPacketSize] = {};
        uint32_t received = 0;
        int result;
        if (lock == LockKind::kCommand) {
            std::lock_guard<std::mutex> guard(m_commandLock);
            result = Exchange(request, kPacketSize, reply, kPacketSize, received);
        } else if (lock == LockKind::kLight) {
            std::lock_guard<std::mutex> guard(m_lightLock);
            result = Exchange(request, kPacketSize, reply, kPacketSize, received);
        } else {
            result = Exchange(request, kPacketSize, reply, kPacketSize, received);
        }
        if (result != kResultSuccess) {
            return result;
        }
        if (int status = StatusCode(reply); status != kResultSuccess) {
            return status;
        }
        if (dir == Direction::kRead) {
            std::memcpy(readDst + p, reply + kDataOffset, length);
        }
        p += chunkSize;
    } while (p < n);
    return kResultSuccess;
}

int DeviceLink::Begin() {
    return Transfer(CMD_BEGIN, Direction::kNone, nullptr, nullptr, 0, 0, 0, LockKind::kCommand);
}

int DeviceLink::End() {
    std::this_thread::sleep_for(std::chrono::milliseconds(kEndDelayMs));
    return Transfer(CMD_END, Direction::kNone, nullptr, nullptr, 0, 0, 0, LockKind::kCommand);
}

int DeviceLink::ReadInfo(uint8_t* info) {
    return Transfer(CMD_READ_INFO, Direction::kRead, info, nullptr, kInfoSize, 0, ChunkSize(),
                    LockKind::kCommand);
}

int DeviceLink::ReadParam(uint8_t* destination, uint32_t n, uint16_t offset) {
    return Transfer(CMD_READ_PARAM, Direction::kRead, destination, nullptr, n, offset, ChunkSize(),
                    LockKind::kCommand);
}

int DeviceLink::WriteParam(const uint8_t* source, uint32_t n, uint16_t offset) {
    return Transfer(CMD_WRITE_PARAM, Direction::kWrite, nullptr, source, n, offset, ChunkSize(),
                    LockKind::kCommand);
}

int DeviceLink::ReadKeyMap(uint8_t* destination) {
    return Transfer(CMD_READ_KEYMAP, Direction::kRead, destination, nullptr, DataSize(), 0,
                    ChunkSize(), LockKind::kCommand);
}

int DeviceLink::WriteKeyMap(const uint8_t* source, int page) {
    if (page != 0) {
        return kResultBadPage;
    }
    return Transfer(CMD_WRITE_KEYMAP, Direction::kWrite, nullptr, source, DataSize(), 0,
                    ChunkSize(), LockKind::kCommand);
}

int DeviceLink::WriteCustomLight(const uint8_t* source, uint32_t n, int page, int stride) {
    const uint32_t base = static_cast<uint32_t>(page) * static_cast<uint32_t>(stride);
    return Transfer(CMD_WRITE_CUSTOM_LIGHT, Direction::kWrite, nullptr, source, n, base,
                    ChunkSize(), LockKind::kLight);
}

int DeviceLink::WriteMacro(const uint8_t* source, uint32_t n) {
    return Transfer(CMD_WRITE_MACRO, Direction::kWrite, nullptr, source, n, 0, ChunkSize(),
                    LockKind::kCommand);
}

int DeviceLink::WriteShoot(const uint8_t* source, uint32_t n) {
    return Transfer(CMD_WRITE_SHOOT, Direction::kWrite, nullptr, source, n, 0, kMaxChunk,
                    LockKind::kNone);
}

int DeviceLink::ReadStatus(uint8_t* destination, uint8_t n, uint16_t offset) {
    // One packet only: a block longer than the data field cannot come back.
    if (n > kMaxChunk) {
        return kResultFailed;
    }
    uint8_t request[kPacketSize] = {};
    request[0] = kReportId;
    request[3] = CMD_READ_STATUS;
    request[4] = n;
    request[5] = static_cast<uint8_t>(offset & 0xFF);
    request[6] = static_cast<uint8_t>(offset >> 8);
    Finish(request);
    uint8_t reply[kPacketSize] = {};
    uint32_t received = 0;
    int result;
    {
        std::lock_guard<std::mutex> guard(m_commandLock);
        result = Exchange(request, kPacketSize, reply, kPacketSize, received);
    }
    if (result != kResultSuccess) {
        return result;
    }
    if (int status = StatusCode(reply); status != kResultSuccess) {
        return status;
    }
    std::memcpy(destination, reply + kDataOffset, n);
    return kResultSuccess;
}

int DeviceLink::ReadLedIndex(uint8_t* destination) {
    return Transfer(CMD_READ_LED_INDEX, Direction::kRead, destination, nullptr, DataSize() / 3, 0,
                    ChunkSize(), LockKind::kCommand);
}

int DeviceLink::HostLight() {
    return Transfer(CMD_HOST_LIGHT, Direction::kNone, nullptr, nullptr, 0, 0, 0,
                    LockKind::kCommand);
}

bool DeviceLink::QueryWireless() {
    if (!m_wireless24G.load()) {
        return true;
    }
    uint8_t request[kPacketSize] = {};
    request[0] = kReportId;
    request[3] = CMD_WIRELESS_QUERY;
    Finish(request);
    uint8_t reply[kPacketSize] = {};
    uint32_t received = 0;
    int result;
    {
        std::lock_guard<std::mutex> guard(m_commandLock);
        result = Exchange(request, kPacketSize, reply, kPacketSize, received);
    }
    return result == kResultSuccess && StatusCode(reply) == kResultSuccess && reply[8] == 0xFF;
}

int DeviceLink::SendLightFrame(const uint8_t* source, uint32_t n) {
    const uint32_t chunk = ChunkSize();
    for (uint32_t p = 0; p < n; p += chunk) {
        // A configuration exchange owns the reply pipe right now; taking a
        // reply from under it would break both, so this part of the frame goes.
        if (m_busy.load(std::memory_order_relaxed) != 0) {
            platform::Trace("放弃灯光数据");
            continue;
        }
        if (m_wireless24G.load()) {
            continue;
        }
        const uint32_t length = std::min(chunk, n - p);
        uint8_t request[kPacketSize] = {};
        request[0] = kReportId;
        request[3] = CMD_LIGHT_FRAME;
        request[4] = static_cast<uint8_t>(length);
        request[5] = static_cast<uint8_t>(p & 0xFF);
        request[6] = static_cast<uint8_t>((p >> 8) & 0xFF);
        std::memcpy(request + kDataOffset, source + p, length);
        Finish(request);
        uint8_t reply[kPacketSize] = {};
        uint32_t received = 0;
        int result;
        {
            std::lock_guard<std::mutex> guard(m_lightLock);
            // The I/O lock spans the chunk's write and read, and the busy flag
            // is looked at again under it: an exchange that started after the
            // first look has written its request already, and the reply to it
            // must not be read here.
            std::lock_guard<std::recursive_mutex> io(m_ioLock);
            if (m_busy.load(std::memory_order_relaxed) != 0) {
                platform::Trace("放弃灯光数据");
                continue;
            }
            result = ExchangeShort(request, kPacketSize, reply, kPacketSize, received);
        }
        if (result != kResultSuccess) {
            return result;
        }
        if (int status = StatusCode(reply); status != kResultSuccess) {
            return status;
        }
    }
    return kResultSuccess;
}

}  // namespace device
