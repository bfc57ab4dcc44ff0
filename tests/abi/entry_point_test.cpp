// The entry point as a host sees it: the library loaded by file name, VpiMain
// found by name and called through a pointer with the host's convention.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/vpi_records.h"
#include "support/driver_library.h"
#include "support/host_log.h"

namespace {

using vpitest::DriverEntry;
using vpitest::HostLogCapture;
using vpitest::LogLine;

int32_t CallSlot(uint32_t function, void* request = nullptr) {
  VpiCall call{};
  call.function = function;
  call.request = request;
  return DriverEntry()(&call);
}

LogLine Entered(int printed) {
  return {8, "DARAZO: Entered Vpimain(), with function " + std::to_string(printed)};
}

TEST(EntryPoint, NumbersAboveSeventeenFailWithTheInvalidNumberLine) {
  const LogLine invalid{8, "DARAZO:Exited Vpmain() invalid function number"};
  for (uint32_t function : {18u, 19u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    HostLogCapture log;
    EXPECT_EQ(CallSlot(function), VPI_FAILED) << function;
    const std::vector<LogLine> expected{Entered(static_cast<int>(function - 1u)), invalid};
    EXPECT_EQ(log.Lines(), expected) << function;
  }
}

TEST(EntryPoint, EmptySlotsFailWithTheNullPointerLine) {
  const LogLine empty{8, "DARAZO: Exited Vpimain() pointer in VpiFunc[] is NULL"};
  for (uint32_t function : {0u, 8u, 9u, 17u}) {
    HostLogCapture log;
    EXPECT_EQ(CallSlot(function), VPI_FAILED) << function;
    const std::vector<LogLine> expected{Entered(static_cast<int>(function) - 1), empty};
    EXPECT_EQ(log.Lines(), expected) << function;
  }
}

TEST(EntryPoint, TrivialSlotsAnswerWithoutTouchingTheBlock) {
  struct Case {
    uint32_t function;
    int32_t result;
    const char* ownLine;
  };
  const Case cases[] = {
      {4, VPI_INVALID, nullptr},
      {6, VPI_INVALID, "DARAZO: VPI does not support block read."},
      {10, VPI_INVALID, "DARAZO: Block Write not supported!"},
      {13, VPI_OK, nullptr},
      {15, VPI_OK, nullptr},
  };
  for (const Case& c : cases) {
    HostLogCapture log;
    EXPECT_EQ(CallSlot(c.function), c.result) << c.function;
    std::vector<LogLine> expected{Entered(static_cast<int>(c.function) - 1)};
    if (c.ownLine != nullptr) expected.push_back({32, c.ownLine});
    EXPECT_EQ(log.Lines(), expected) << c.function;
  }
}

std::string ExpectedBanner() {
  std::string b = "\n";
  auto line = [&b](const std::string& s) { b += s + "\n"; };
  auto rep = [](char c, int n) { return std::string(static_cast<size_t>(n), c); };
  line("\xDA" + rep('\xC4', 60) + "\xBF");
  line("\xB3 " + rep('\xDB', 5) + rep('\xB2', 6) + rep('\xB1', 6) + rep('\xB0', 6) +
       "  V P I VTR  " + rep('\xB0', 4) + rep('\xB1', 6) + rep('\xB2', 6) + rep('\xDB', 5) +
       "  \xB3");
  line("\xB3\t\t\t   VIVUZ's remote video control system\t\t\t\t\t  \xB3");
  line("\xB3\t\t\t\t\tVivuz Communication protocol" + rep(' ', 19) + "\xB3");
  line("\xB3" + rep(' ', 60) + "\xB3");
  line("\xC0" + rep('\xC4', 60) + "\xD9");
  return b;
}

TEST(EntryPoint, IdentityRecordWithoutInstanceBlock) {
  VpiDriverInfo info;
  std::memset(&info, 0xAB, sizeof info);
  HostLogCapture log;
  ASSERT_EQ(CallSlot(14, &info), VPI_OK);
  EXPECT_EQ(info.driverCode, 82);
  EXPECT_STREQ(info.title, "Vivuz Video System(VTR)");
  EXPECT_EQ(info.instanceSize, sizeof(void*) == 4 ? 1409 : 1481);
  EXPECT_EQ(info.infoCode, 3);
  EXPECT_EQ(info.infoWordA, 1);
  EXPECT_EQ(info.infoWordB, 0);
  EXPECT_EQ(info.notWritten24, 0xABABABABu);
  const unsigned char dword[4] = {0x20, 0x00, 0x02, 0x01};
  EXPECT_EQ(std::memcmp(&info.infoDword, dword, 4), 0);
  const std::string banner = ExpectedBanner();
  ASSERT_EQ(banner.size(), 359u);
  EXPECT_EQ(std::strlen(info.banner), 359u);
  EXPECT_EQ(std::string(info.banner), banner);
  EXPECT_EQ(log.Lines(), std::vector<LogLine>{Entered(13)});
}

TEST(EntryPoint, MissingCallOrRecordIsRefused) {
  EXPECT_EQ(DriverEntry()(nullptr), VPI_INVALID);
  EXPECT_EQ(CallSlot(14, nullptr), VPI_INVALID);
}

}  // namespace
