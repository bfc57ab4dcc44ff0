// The console's command-line options.
#pragma once

#include <string>

namespace vpihost {

struct RunOptions {
  std::string driverPath;  // empty: the driver built beside the console
  std::string directory;   // empty: stay in the current directory
  std::string script;      // empty: standard input; "-" too
  bool ascii = false;
  bool quiet = false;  // batch: do not echo comment lines
  bool help = false;
  bool version = false;
};

// False, with `error` set, on an unknown option or a missing argument.
bool ParseRunOptions(int argc, const char* const* argv, RunOptions* options, std::string* error);

const char* UsageText();

}  // namespace vpihost
