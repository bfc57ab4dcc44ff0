#pragma once

namespace vpi {

constexpr int kBannerLength = 359;
// Framed identity banner in code page 437, NUL-terminated.
extern const char* const kDriverBanner;

}  // namespace vpi
