#include "server_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace rvsimd {
namespace {

bool ParseNumber(const char* text, long low, long high, long* value) {
  errno = 0;
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || parsed < low || parsed > high) return false;
  *value = parsed;
  return true;
}

}  // namespace

const char* const kUsage =
    "usage: rvsimd [--port N] [--listen ADDR] [--config FILE] [--max-connections N]\n"
    "              [--timeout MS]\n"
    "       rvsimd --version | --help\n"
    "  --port N             TCP port (default 47470; 0 picks a free one)\n"
    "  --listen ADDR        address to listen on (default 127.0.0.1)\n"
    "  --config FILE        the simulator's configuration file (default: built-in server)\n"
    "  --max-connections N  client connections open at once (default 64)\n"
    "  --timeout MS         a frame half sent or an answer not taken for this long\n"
    "                       ends the connection (default 5000)\n";

bool ParseCommandLine(int argc, const char* const* argv, CommandLine* out, std::string* error) {
  for (int i = 1; i < argc; ++i) {
    const char* option = argv[i];
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
      out->help = true;
      continue;
    }
    if (std::strcmp(option, "--version") == 0) {
      out->version = true;
      continue;
    }
    if (i + 1 >= argc) {
      *error = std::string("unknown option or missing value: ") + option;
      return false;
    }
    const char* value = argv[++i];
    long number = 0;
    if (std::strcmp(option, "--port") == 0 && ParseNumber(value, 0, 65535, &number)) {
      out->server.port = static_cast<uint16_t>(number);
    } else if (std::strcmp(option, "--listen") == 0) {
      out->server.listen = value;
    } else if (std::strcmp(option, "--config") == 0) {
      out->configFile = value;
    } else if (std::strcmp(option, "--max-connections") == 0 &&
               ParseNumber(value, 1, 100000, &number)) {
      out->server.maxConnections = static_cast<int>(number);
    } else if (std::strcmp(option, "--timeout") == 0 && ParseNumber(value, 1, 3600000, &number)) {
      out->server.stallTimeout = std::chrono::milliseconds(number);
    } else {
      *error = std::string("bad option: ") + option + " " + value;
      return false;
    }
  }
  return true;
}

}  // namespace rvsimd
