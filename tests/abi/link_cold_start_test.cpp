// A cold start as a host makes it: the driver library loaded by file name, a
// block of the size the driver reports, the fields read at their byte offsets.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/vpi_records.h"
#include "support/driver_library.h"
#include "support/host_log.h"

namespace {

using vpitest::DriverEntry;
using vpitest::HostLogCapture;
using vpitest::LogLine;

constexpr unsigned char kFill = 0xEE;
constexpr int32_t kStation = 61;

int32_t CallSlot(uint32_t function, void* block, void* request = nullptr) {
  VpiCall call{};
  call.driverData = static_cast<DriverData*>(block);
  call.function = function;
  call.station = kStation;
  call.request = request;
  return DriverEntry()(&call);
}

int32_t ReadInt32(const std::vector<unsigned char>& block, size_t offset) {
  const uint32_t value = block[offset] | block[offset + 1] << 8 | block[offset + 2] << 16 |
                         static_cast<uint32_t>(block[offset + 3]) << 24;
  return static_cast<int32_t>(value);
}

void WriteInitFile() {
  namespace fs = std::filesystem;
  const fs::path dir = fs::current_path() / "scratch" / "abi-cold-start";
  fs::create_directories(dir);
  fs::current_path(dir);
  std::ofstream("darAZO61.int", std::ios::binary | std::ios::trunc)
      << "; video server of station 61\r\nHostName = videohost;\r\n";
}

TEST(LinkAbi, ColdStartWritesTheBlockAtTheHostsOffsets) {
  WriteInitFile();
  VpiDriverInfo info{};
  ASSERT_EQ(CallSlot(14, nullptr, &info), VPI_OK);
  std::vector<unsigned char> block(static_cast<size_t>(info.instanceSize), kFill);
  const unsigned char station[4] = {kStation, 0, 0, 0};
  std::memcpy(&block[1169], station, sizeof station);

  HostLogCapture log;
  ASSERT_EQ(CallSlot(1, block.data()), VPI_OK);
  const std::vector<LogLine> expected{{8, "DARAZO: Entered Vpimain(), with function 0"},
                                      {32, "VpiVivuz Video System(VTR)61: ColdStart() entered"},
                                      {32, "VpiVivuz Video System(VTR)61:  HostName: videohost"},
                                      {32, "VPIVivuz Video System(VTR)61 : ColdStart() end OK"}};
  EXPECT_EQ(log.Lines(), expected);

  EXPECT_EQ(ReadInt32(block, 0), 0);  // connected
  for (size_t slot = 0; slot < 10; ++slot) EXPECT_EQ(ReadInt32(block, 44 + 4 * slot), 0);
  EXPECT_EQ(ReadInt32(block, 324), 0);  // numConnections
  EXPECT_EQ(block[328], 0);             // numSources
  EXPECT_EQ(block[329], kFill);         // the source records are kept
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&block[1205])), "videohost");
  EXPECT_EQ(block[1235], kFill);         // address
  EXPECT_EQ(ReadInt32(block, 1333), 0);  // lastResult
  const size_t pointerSize = (block.size() - 1337) / 18;
  for (size_t i = 0; i < 18; ++i) {
    const auto first = block.begin() + static_cast<std::ptrdiff_t>(1337 + i * pointerSize);
    const std::vector<unsigned char> field(first, first + static_cast<std::ptrdiff_t>(pointerSize));
    EXPECT_NE(field, std::vector<unsigned char>(pointerSize, 0)) << "function " << i;
  }
}

}  // namespace
