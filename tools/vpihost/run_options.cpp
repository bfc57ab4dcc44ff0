#include "run_options.h"

namespace vpihost {

const char* UsageText() {
  return "usage: vpihost [--driver PATH] [--dir DIR] [--ascii] [--quiet] [SCRIPT | -]\n"
         "       vpihost --version | --help\n"
         "  Runs the driver as a host does, against the video server simulator.\n"
         "  SCRIPT     commands to run in batch (\"-\" or no SCRIPT with input from a\n"
         "             pipe: standard input); interactive when input is a terminal\n"
         "  --driver   driver library to load (default: the one beside vpihost,\n"
         "             else the package's driver folder)\n"
         "  --dir      working directory, created when missing (the station's\n"
         "             darAZO%02d.int is read from there)\n"
         "  --ascii    draw the wall and the banner without box characters\n"
         "  --quiet    do not echo comment lines in batch mode\n"
         "  Exit status: 0 all went well; 1 a check failed or a script line was\n"
         "  unusable; 2 the console could not start.\n";
}

bool ParseRunOptions(int argc, const char* const* argv, RunOptions* options, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool takesValue = arg == "--driver" || arg == "--dir";
    if (takesValue && i + 1 >= argc) {
      *error = arg + " needs a value";
      return false;
    }
    if (arg == "--driver") {
      options->driverPath = argv[++i];
    } else if (arg == "--dir") {
      options->directory = argv[++i];
    } else if (arg == "--ascii") {
      options->ascii = true;
    } else if (arg == "--quiet") {
      options->quiet = true;
    } else if (arg == "--help" || arg == "-h") {
      options->help = true;
    } else if (arg == "--version") {
      options->version = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      *error = "unknown option " + arg;
      return false;
    } else if (options->script.empty()) {
      options->script = arg;
    } else {
      *error = "only one script at a time (got " + options->script + " and " + arg + ")";
      return false;
    }
  }
  return true;
}

}  // namespace vpihost
