#include "web_options.h"

#include <cstdlib>

#include "request_guard.h"

namespace rvweb {
namespace {

bool ParsePort(const std::string& text, unsigned short* port) {
  if (text.empty() || text.size() > 5 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  const long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > 65535) return false;
  *port = static_cast<unsigned short>(value);
  return true;
}

}  // namespace

int TakeWebOption(const std::vector<std::string>& args, size_t index, WebOptions* options,
                  std::string* error) {
  const std::string& name = args[index];
  if (name != "--http-port" && name != "--http-listen" && name != "--http-name" &&
      name != "--token") {
    return 0;
  }
  if (index + 1 >= args.size() || args[index + 1].empty()) {
    *error = name + " needs a value";
    return -1;
  }
  const std::string& value = args[index + 1];
  if (name == "--http-port") {
    if (!ParsePort(value, &options->port)) {
      *error = "--http-port takes a port from 0 to 65535";
      return -1;
    }
    options->enabled = true;
  } else if (name == "--http-listen") {
    options->listen = value;
  } else if (name == "--http-name") {
    options->names.push_back(value);
  } else {
    options->token = value;
  }
  return 2;
}

bool SplitWebOptions(int argc, char** argv, WebOptions* options, std::vector<char*>* rest,
                     std::string* error) {
  const std::vector<std::string> args(argv, argv + argc);
  rest->assign(argv, argv + (argc > 0 ? 1 : 0));
  for (size_t i = 1; i < args.size();) {
    const int taken = TakeWebOption(args, i, options, error);
    if (taken < 0) return false;
    if (taken == 0) rest->push_back(argv[i]);
    i += taken == 0 ? 1 : static_cast<size_t>(taken);
  }
  return true;
}

bool CheckWebOptions(const WebOptions& options, std::string* error) {
  if (options.enabled && !IsLoopbackAddress(options.listen) && options.token.empty()) {
    *error = "--http-listen " + options.listen +
             " reaches beyond this machine: give --token TOKEN for the requests that change state";
    return false;
  }
  return true;
}

const char* WebOptionsHelp() {
  return "  --http-port PORT     serve the web page and REST API on PORT (0: any free port)\n"
         "  --http-listen ADDR   address of the web port (default 127.0.0.1)\n"
         "  --http-name NAME     a further name the browser may reach the web port by\n"
         "  --token TOKEN        state changes need 'Authorization: Bearer TOKEN'\n"
         "                       (required when ADDR is not loopback)\n";
}

}  // namespace rvweb
