#include "init_file.h"

#include <cstdio>
#include <fstream>

namespace vpihost {

std::string InitFileName(int station) {
  char name[32];
  std::snprintf(name, sizeof name, "darAZO%02d.int", station);
  return name;
}

std::string InitFileText(int station, const std::string& hostName) {
  return "; Initialization file of station " + std::to_string(station) +
         ", written by vpihost.\n"
         "; The driver reads the first line that begins with HostName: the value\n"
         "; after \"=\" and any blanks, up to \";\", names the video server.\n"
         "HostName = " +
         hostName + ";\n";
}

bool CheckHostName(const std::string& hostName, std::string* reason) {
  if (hostName.empty() || hostName.size() > kLongestHostName) {
    *reason = "a host name has 1 to 29 characters";
    return false;
  }
  if (hostName.find_first_of(";\r\n", 0) != std::string::npos ||
      hostName.find('\0') != std::string::npos) {
    *reason = "a host name cannot hold \";\" or a line break";
    return false;
  }
  return true;
}

InitOutcome WriteInitFile(int station, const std::string& hostName, bool force,
                          std::string* message) {
  const std::string name = InitFileName(station);
  if (!force && std::ifstream(name).good()) {
    const std::string named = HostNameInFile(name);
    *message = name + " exists (HostName " + (named.empty() ? "missing" : "\"" + named + "\"") +
               "): kept; \"init --force\" rewrites it";
    return InitOutcome::kKept;
  }
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << InitFileText(station, hostName);
  out.close();
  if (!out) {
    *message = "cannot write " + name;
    return InitOutcome::kFailed;
  }
  *message = "wrote " + name + " naming \"" + hostName + "\"";
  return InitOutcome::kWritten;
}

std::string HostNameInFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, 8, "HostName") != 0) continue;
    const size_t semicolon = line.find(';');
    if (semicolon == std::string::npos) continue;
    line.resize(semicolon);
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    size_t start = equals + 1;
    while (start < line.size() && line[start] == ' ') ++start;
    return line.substr(start);
  }
  return std::string();
}

}  // namespace vpihost
