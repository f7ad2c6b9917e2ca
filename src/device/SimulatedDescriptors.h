// The report descriptors of the simulated devices: what our keyboard, mouse,
// mouse pad and headset would present on their USB HID interfaces. The
// simulator serves exactly these bytes, so the program parses them as it parses
// real hardware.
//
// Keyboard, mouse and mouse pad: interface 1 holds four top-level collections,
// numbered from 1: a keyboard with report ID 1 (used for macro key output),
// system control with ID 2, the consumer collection with ID 3 (16-bit usages;
// the device sends its notification codes 0x0401, 0x0402, 0x10xx, 0x11xx
// there) and the vendor command collection, usage page 0xFF1C usage 0x92, with
// report ID 4 and 63 data bytes in and out. The keyboard adds interface 0, a
// boot keyboard without report IDs (8-byte input report); the mouse adds
// interface 0, its pointer. The headset has one interface, 3, with a single
// consumer collection carrying its volume buttons (ID 1) and the same 63-byte
// command reports (ID 4) in a logical collection of its own.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace device {

struct SimulatedInterfaceDescriptor {
    uint8_t interfaceNumber = 0;
    std::vector<uint8_t> descriptor;
};

// Every HID interface of the kind ("keyboard", "mouse", "pad", "headset"), in
// interface order; empty for an unknown kind.
std::vector<SimulatedInterfaceDescriptor> SimulatedDescriptors(std::string_view kind);

// The descriptor of one interface of the kind; empty when it has no such
// interface.
std::vector<uint8_t> SimulatedDescriptor(std::string_view kind, uint8_t interfaceNumber);

// The descriptor of the interface that carries the kind's command collection
// (interface 1; interface 3 for the headset).
std::vector<uint8_t> SimulatedDescriptor(std::string_view kind);

}  // namespace device
