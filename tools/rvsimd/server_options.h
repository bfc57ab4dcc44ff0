// rvsimd's command line.
#pragma once

#include <string>

#include "server.h"

namespace rvsimd {

struct CommandLine {
  ServerOptions server;
  std::string configFile;  // "" for the built-in server
  bool help = false;
  bool version = false;
};

extern const char* const kUsage;

// False, with the reason in `error`, for an unknown or malformed option.
bool ParseCommandLine(int argc, const char* const* argv, CommandLine* out, std::string* error);

}  // namespace rvsimd
