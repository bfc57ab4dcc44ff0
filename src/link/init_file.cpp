#include "link/init_file.h"

#include <cstdio>
#include <cstring>

#include "core/bounded_text.h"
#include "core/host_log.h"
#include "core/vpi_records.h"

namespace vpi {
namespace {

constexpr char kHostNameKey[] = "HostName";
constexpr size_t kHostNameKeyLength = sizeof kHostNameKey - 1;
constexpr int kLineBufferSize = 256;

bool IsSkippedLine(const char* line) {
  return line[0] == '\0' || line[0] == ';' || line[0] == '\n';
}

}  // namespace

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

HostNameText CurrentHostName(const DriverData* data) {
  HostNameText name{};
  const size_t length = BoundedLength(data->hostName, kHostNameSize - 1);
  CopySpanIfFits(name.text, sizeof name.text, data->hostName, length);
  return name;
}

int32_t ReadInitFile(DriverData* data, int32_t station) {
  char fileName[32];
  std::snprintf(fileName, sizeof fileName, "darAZO%02d.int", static_cast<int>(station));
  std::FILE* file = std::fopen(fileName, "r");
  if (file == nullptr) return VPI_FAILED;
  char line[kLineBufferSize];
  bool accepted = false;
  while (std::fgets(line, sizeof line, file) != nullptr) {
    if (!accepted) accepted = ApplyHostNameLine(line, data->hostName);
  }
  std::fclose(file);
  HostLog(kLogDetail, "Vpi%s%02d:  HostName: %s", kDeviceTitle,
          static_cast<int>(data->stationNumber), CurrentHostName(data).text);
  return VPI_OK;
}

}  // namespace vpi
