#include "init_file.h"

#include <cstdio>
#include <fstream>

#include "link/init_file_rules.h"

namespace vpihost {

std::string InitFileName(int station) {
  char name[vpi::kInitFileNameSize];
  vpi::FormatInitFileName(station, name);
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
    *reason = "a host name has 1 to " + std::to_string(kLongestHostName) + " characters";
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
  std::FILE* file = std::fopen(fileName.c_str(), "r");
  if (file == nullptr) return std::string();
  char line[vpi::kInitLineSize];
  char hostName[kHostNameSize] = {};
  bool accepted = false;
  while (!accepted && std::fgets(line, sizeof line, file) != nullptr) {
    accepted = vpi::ApplyHostNameLine(line, hostName);
  }
  std::fclose(file);
  return accepted ? std::string(hostName) : std::string();
}

}  // namespace vpihost
