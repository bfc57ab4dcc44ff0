// The wall as an SVG picture: the six regions, every window that is not
// hidden at its place in z-order (dashed outline for a still picture), and
// the window list below the wall.
#pragma once

#include <string>
#include <vector>

#include "wall_model.h"

namespace vpihost {

std::string WallSvg(const std::vector<WallWindow>& windows);

// Text with &, <, >, " and ' written as XML entities.
std::string XmlEscape(const std::string& text);

}  // namespace vpihost
