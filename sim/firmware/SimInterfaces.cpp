#include "device/SimulatedDescriptors.h"
#include "firmware/SimBackend.h"

namespace sim {

std::vector<SimInterface> InterfacesOf(SimKind kind, SimPath path) {
    uint16_t vendorId = 0x320F;
    uint16_t productId = 0x0000;
    if (kind == SimKind::kHeadset) {
        vendorId = 0x0C76;
    } else if (kind == SimKind::kKeyboard && path == SimPath::kCable) {
        productId = 0x5055;
    }
    std::vector<SimInterface> interfaces;
    for (const device::SimulatedInterfaceDescriptor& usb :
         device::SimulatedDescriptors(SimKindName(kind))) {
        interfaces.push_back({vendorId, productId, usb.interfaceNumber, usb.descriptor});
    }
    return interfaces;
}

}  // namespace sim
