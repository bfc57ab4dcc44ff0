// The driver's banner is code page 437 text; the terminal wants UTF-8.
#pragma once

#include <string>

namespace vpihost {

// Code page 437 to UTF-8 for the frame and shade characters the banner uses;
// ASCII stays, any other byte becomes "?". `ascii` draws the frame with
// + - | and the shades with # instead.
std::string BannerToTerminal(const std::string& cp437, bool ascii);

}  // namespace vpihost
