// The value the main window carries in its window user data, so a second start can find it.
#pragma once

#include <cstdint>

inline constexpr intptr_t kInstanceMarker = 197103092;  // 0x0BBF8DF4
