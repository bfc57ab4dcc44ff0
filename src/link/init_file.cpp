#include "link/init_file.h"

#include <cstdio>

#include "core/bounded_text.h"
#include "core/host_log.h"
#include "core/vpi_records.h"
#include "link/init_file_rules.h"

namespace vpi {

HostNameText CurrentHostName(const DriverData* data) {
  HostNameText name{};
  const size_t length = BoundedLength(data->hostName, kHostNameSize - 1);
  CopySpanIfFits(name.text, sizeof name.text, data->hostName, length);
  return name;
}

int32_t ReadInitFile(DriverData* data, int32_t station) {
  char fileName[kInitFileNameSize];
  FormatInitFileName(station, fileName);
  std::FILE* file = std::fopen(fileName, "r");
  if (file == nullptr) return VPI_FAILED;
  char line[kInitLineSize];
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
