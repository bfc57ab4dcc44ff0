#include "link/init_file_rules.h"

#include <cstdio>
#include <cstring>

#include "core/bounded_text.h"
#include "core/driver_data.h"

namespace vpi {
namespace {

constexpr char kHostNameKey[] = "HostName";
constexpr size_t kHostNameKeyLength = sizeof kHostNameKey - 1;

bool IsSkippedLine(const char* line) {
  return line[0] == '\0' || line[0] == ';' || line[0] == '\n';
}

}  // namespace

void FormatInitFileName(int32_t station, char* name) {
  std::snprintf(name, kInitFileNameSize, "darAZO%02d.int", static_cast<int>(station));
}

bool ApplyHostNameLine(char* line, char* hostName) {
  if (IsSkippedLine(line) || std::strncmp(line, kHostNameKey, kHostNameKeyLength) != 0) {
    return false;
  }
  std::memset(hostName, 0, kHostNameSize);
  char* end = std::strchr(line, ';');
  if (end == nullptr) return false;
  *end = '\0';
  const char* equals = std::strchr(line, '=');
  if (equals == nullptr) return false;
  const char* value = equals + 1;
  while (*value == ' ') ++value;
  // A value that does not fit is refused whole rather than cut.
  return CopyTextIfFits(hostName, kHostNameSize, value);
}

}  // namespace vpi
