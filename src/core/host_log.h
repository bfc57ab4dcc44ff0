// Logging through the host's `err`.
#pragma once

#include "platform/platform.h"

namespace vpi {

constexpr int kLogEntry = 8;    // the entry point's lines and an accepted parse
constexpr int kLogDetail = 32;  // every other line

// Device title: the %s of every "VPI%s%02d" and "Vpi%s%02d" line.
inline constexpr const char kDeviceTitle[] = "Vivuz Video System(VTR)";

template <typename... Args>
inline void HostLog(int level, const char* format, Args... args) {
  platform::HostServices().err(level, format, args...);
}

}  // namespace vpi
