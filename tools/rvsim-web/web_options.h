// The web port's command-line options: --http-port, --http-listen,
// --http-name and --token.
#pragma once

#include <string>
#include <vector>

namespace rvweb {

struct WebOptions {
  bool enabled = false;              // --http-port given
  unsigned short port = 0;           // 0: the system picks one
  std::string listen = "127.0.0.1";  // --http-listen ADDRESS
  std::vector<std::string> names;    // --http-name NAME: further names the Host header may give
  std::string token;                 // --token TOKEN: needed by state changes when set
};

// Reads the web option at args[index] (and its value). Returns how many
// arguments it took: 0 when args[index] is no web option, -1 when its value
// is missing or malformed (`error` says why).
int TakeWebOption(const std::vector<std::string>& args, size_t index, WebOptions* options,
                  std::string* error);

// Takes the web options out of a program's arguments; `rest` gets the
// program's name and every other argument, in order. False with the reason
// in `error` for a web option without its value.
bool SplitWebOptions(int argc, char** argv, WebOptions* options, std::vector<char*>* rest,
                     std::string* error);

// Checks the options as a whole: beyond loopback a token is required.
bool CheckWebOptions(const WebOptions& options, std::string* error);

// The lines the program's --help shows for these options.
const char* WebOptionsHelp();

}  // namespace rvweb
