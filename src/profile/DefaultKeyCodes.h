// The default key code of every key position of the keyboard picture and of
// every mouse button position: the code the device sends for that key out of
// the box. It names the physical key and fills "DefaultAssignment".
#pragma once

#include "profile/ProfileRecords.h"

namespace profile {

constexpr int kKeyboardKeyPositions = 170;
constexpr int kMouseButtonPositions = 11;

// "No key at this position": family 0x20 with modifier and usage 0.
constexpr AssignmentCode kNoKeyCode{0x20, 0x00, 0x00};

// The code of keyboard position 0..169; kNoKeyCode outside the range.
AssignmentCode KeyboardDefaultCode(int position);

// The code of mouse button position 0..10; all zero outside the range.
AssignmentCode MouseDefaultCode(int position);

}  // namespace profile
