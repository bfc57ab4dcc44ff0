// The paged reads of the protocol (wall, trace) and a window as text, for
// comparing one side with the other.
#pragma once

#include <string>
#include <vector>

#include "wire_client.h"

namespace rvsimdtest {

// Every window, page by page; fails the test on a page that does not fit.
std::vector<RvSimWindow> ReadWall(WireClient& client);
// The whole trace, page by page.
std::string ReadTrace(WireClient& client);
// Every field of a window.
std::string Describe(const RvSimWindow& window);

}  // namespace rvsimdtest
