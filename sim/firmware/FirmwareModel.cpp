#include "firmware/FirmwareModel.h"

#include <algorithm>
#include <cstring>

namespace sim {
namespace {

constexpr uint8_t kReportId = 0x04;

bool InRange(std::size_t offset, std::size_t length, std::size_t size) {
    return offset <= size && length <= size - offset;
}

uint8_t ReadArea(const uint8_t* area, std::size_t size, uint16_t offset, uint8_t length,
                 uint8_t* out) {
    if (!InRange(offset, length, size)) {
        return FirmwareModel::kStatusRejected;
    }
    if (length > 0) {
        std::memcpy(out, area + offset, length);
    }
    return FirmwareModel::kStatusOk;
}

uint8_t WriteArea(uint8_t* area, std::size_t size, uint16_t offset, uint8_t length,
                  const uint8_t* data) {
    if (!InRange(offset, length, size)) {
        return FirmwareModel::kStatusRejected;
    }
    if (length > 0) {
        std::memcpy(area + offset, data, length);
    }
    return FirmwareModel::kStatusOk;
}

}  // namespace

bool ParseSimKind(const std::string& text, SimKind& kind) {
    if (text == "keyboard") {
        kind = SimKind::kKeyboard;
    } else if (text == "mouse") {
        kind = SimKind::kMouse;
    } else if (text == "pad") {
        kind = SimKind::kMousePad;
    } else if (text == "headset") {
        kind = SimKind::kHeadset;
    } else {
        return false;
    }
    return true;
}

const char* SimKindName(SimKind kind) {
    switch (kind) {
        case SimKind::kKeyboard:
            return "keyboard";
        case SimKind::kMouse:
            return "mouse";
        case SimKind::kMousePad:
            return "pad";
        case SimKind::kHeadset:
            return "headset";
    }
    return "";
}

FirmwareModel::FirmwareModel(SimKind kind) : m_kind(kind) {
    LoadDefaults();
}

std::vector<std::vector<uint8_t>> FirmwareModel::Handle(const uint8_t* request,
                                                        std::size_t length) {
    uint8_t packet[kPacket] = {};
    std::memcpy(packet, request, std::min(length, kPacket));
    m_requests.emplace_back(packet, packet + kPacket);
    if (m_requests.size() > kRequestLog) {
        m_requests.pop_front();
    }

    const bool faulty = m_faults.afterPackets <= 0;
    if (!faulty) {
        --m_faults.afterPackets;
    }
    if (faulty && m_faults.noReply) {
        return {};
    }

    std::vector<uint8_t> reply(kPacket, 0);
    reply[0] = kReportId;
    reply[3] = packet[3];
    reply[4] = packet[4];
    reply[5] = packet[5];
    reply[6] = packet[6];

    uint32_t sum = 0;
    for (std::size_t i = 3; i < kPacket; ++i) {
        sum += packet[i];
    }
    const uint16_t checksum = static_cast<uint16_t>(packet[1] | packet[2] << 8);
    uint8_t status;
    if (length < kPacket || packet[0] != kReportId || checksum != (sum & 0xFFFF)) {
        ++m_checksumErrors;
        status = kStatusRejected;
    } else {
        const uint16_t offset = static_cast<uint16_t>(packet[5] | packet[6] << 8);
        const uint8_t dataLength = std::min<uint8_t>(packet[4], kPacket - 8);
        status = Apply(packet[3], dataLength, offset, packet + 8, reply.data() + 8);
    }
    reply[7] = status;

    std::vector<std::vector<uint8_t>> replies;
    if (faulty && m_faults.status != 0) {
        reply[7] = m_faults.status;
    }
    if (faulty && m_faults.wrongEcho) {
        reply[3] = static_cast<uint8_t>(packet[3] ^ 0x40);
    }
    if (faulty && m_faults.staleReplyFirst) {
        std::vector<uint8_t> stale(kPacket, 0);
        stale[0] = kReportId;
        stale[3] = static_cast<uint8_t>(packet[3] ^ 0x40);
        replies.push_back(std::move(stale));
    }
    replies.push_back(std::move(reply));
    return replies;
}

uint8_t FirmwareModel::Apply(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data,
                             uint8_t* out) {
    switch (command) {
        case 0x01:
            m_inTransaction = true;
            return kStatusOk;
        case 0x02:
            if (m_inTransaction) {
                ++m_transactions;
            }
            m_inTransaction = false;
            return kStatusOk;
        case 0x03:
            return ReadArea(m_info.data(), m_info.size(), offset, length, out);
        case 0x05:
            return ReadArea(m_params.data(), m_params.size(), offset, length, out);
        case 0x06:
            return WriteArea(m_params.data(), m_params.size(), offset, length, data);
        case 0x07:
            return ReadArea(m_keyTable.data(), m_keyTable.size(), offset, length, out);
        case 0x09:
            return WriteArea(m_keyMap.data(), m_keyMap.size(), offset, length, data);
        case 0x0B:
            return WriteArea(m_customLight.data(), m_customLight.size(), offset, length, data);
        case 0x12: {
            uint8_t status = WriteArea(m_frame.data(), m_frame.size(), offset, length, data);
            if (status == kStatusOk) {
                ++m_frameChunks;
            }
            return status;
        }
        case 0x15:
            return WriteArea(m_macros.data(), m_macros.size(), offset, length, data);
        case 0x17:
            return WriteArea(m_recoil.data(), m_recoil.size(), offset, length, data);
        case 0x1A:
            return ReadArea(m_status.data(), m_status.size(), offset, length, out);
        case 0x1B:
            return ReadArea(m_ledTable.data(), m_ledTable.size(), offset, length, out);
        case 0x1C:
            m_hostLight = true;
            return kStatusOk;
        case 0xAA:
            // Asked over the cable, the device itself answers: it is there.
            out[0] = 0xFF;
            return kStatusOk;
        default:
            return kStatusRejected;
    }
}

}  // namespace sim
