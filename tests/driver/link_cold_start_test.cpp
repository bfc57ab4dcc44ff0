// Cold start: the reset, the log lines, and binding whole, partial and
// missing libraries. A block that is not bound never reaches the library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "link/cold_start.h"
#include "link/library_binding.h"
#include "link/open_connections.h"
#include "link_fixture.h"

namespace {

using linktest::Detail;
using linktest::kTitle;
using linktest::LinkTest;
using linktest::OwnLines;
using linktest::Value;
using vpitest::HostLogCapture;
using vpitest::LogLine;
using vpitest::Station;

int32_t ColdStartWith(Station& station, const char* library) {
  station.WriteInitFile(vpitest::InitFileFor(vpitest::kSimulatorHost));
  VpiCall call{};
  call.driverData = &station.data();
  call.function = 1;
  call.station = station.number();
  return vpi::ColdStartWithLibrary(&call, library);
}

// How many of the eighteen pointers, in binding order, are set.
int BoundPointers(const DriverData& data) {
  const auto* fields = reinterpret_cast<const unsigned char*>(&data.OpenVideoConnection);
  int bound = 0;
  for (int i = 0; i < kVideoFunctionCount; ++i) {
    void* pointer = nullptr;
    std::memcpy(&pointer, fields + i * sizeof pointer, sizeof pointer);
    if (pointer != nullptr) ++bound;
  }
  return bound;
}

using ColdStart = LinkTest;

TEST_F(ColdStart, ResetsTheLinkAndKeepsStagedState) {
  Station station(3);
  DriverData& d = station.data();
  d.connected = 1;
  d.numConnections = 6;
  d.numSources = 9;
  d.lastResult = 1;
  for (int i = 0; i < kWindowRows; ++i) {
    d.connections[i] = 70 + i;
    d.windowShown[i] = 1;
    for (int r = 0; r < kRegionCount; ++r) d.regionMap[i][r] = 1;
  }
  d.sources[9].id = 909;
  d.window = 2;
  d.x = 100;
  d.color = 0x030201;
  std::strcpy(d.caption, "cap");
  std::strcpy(d.address, "WINDOW");
  HostLogCapture log;
  ASSERT_EQ(station.ColdStart(), VPI_OK);
  const std::vector<LogLine> expected{Detail("Vpi%s%02d: ColdStart() entered", kTitle, 3),
                                      Detail("Vpi%s%02d:  HostName: %s", kTitle, 3, "simulator"),
                                      Detail("VPI%s%02d : ColdStart() end OK", kTitle, 3)};
  EXPECT_EQ(OwnLines(log), expected);
  EXPECT_EQ(Value(d.connected), 0);
  EXPECT_EQ(Value(d.numConnections), 0);
  EXPECT_EQ(Value(d.numSources), 0);
  EXPECT_EQ(Value(d.lastResult), 0);
  for (int i = 0; i < kWindowRows; ++i) {
    EXPECT_EQ(Value(d.connections[i]), 0);
    EXPECT_EQ(Value(d.windowShown[i]), 0);
    for (int r = 0; r < kRegionCount; ++r) EXPECT_EQ(Value(d.regionMap[i][r]), 0);
  }
  EXPECT_EQ(Value(d.sources[9].id), 909);
  EXPECT_EQ(Value(d.window), 2);
  EXPECT_EQ(Value(d.x), 100);
  EXPECT_EQ(Value(d.color), 0x030201);
  EXPECT_STREQ(d.caption, "cap");
  EXPECT_STREQ(d.address, "WINDOW");
  EXPECT_EQ(BoundPointers(d), kVideoFunctionCount);
  EXPECT_TRUE(vpi::LibraryBound(&d));
  EXPECT_EQ(RvSimCallCount(), 0);  // no connection is opened
}

TEST_F(ColdStart, ALibraryThatCannotBeLoadedLeavesNothingBound) {
  Station station(5);
  ASSERT_EQ(station.ColdStart(), VPI_OK);
  HostLogCapture log;
  EXPECT_EQ(ColdStartWith(station, "no_such_video_library"), VPI_FAILED);
  const std::vector<LogLine> lines = OwnLines(log);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], Detail("Vpi%s%02d: ColdStart() entered", kTitle, 5));
  const std::string prefix = "VTR: ColdStart() Failed on LoadLibrary(err ";
  EXPECT_EQ(lines[2].level, 32);
  EXPECT_EQ(lines[2].text.rfind(prefix, 0), 0u) << lines[2].text;
  const std::string code = lines[2].text.substr(prefix.size());
  ASSERT_GE(code.size(), 2u);  // a non-zero decimal code, then ")"
  EXPECT_EQ(code.find_first_not_of("0123456789"), code.size() - 1) << code;
  EXPECT_NE(code[0], '0') << code;
  EXPECT_EQ(code.back(), ')');
  EXPECT_EQ(lines[3], Detail("VTR: ColdStart() Failed on loading DLLfunctions"));
  EXPECT_EQ(BoundPointers(station.data()), 0);
  EXPECT_FALSE(vpi::LibraryBound(&station.data()));
}

TEST_F(ColdStart, ALibraryLackingTheLastFunctionKeepsTheSeventeenFoundBefore) {
  Station station(6);
  ASSERT_EQ(station.ColdStart(), VPI_OK);
  HostLogCapture log;
  EXPECT_EQ(ColdStartWith(station, VPI_PARTIAL_VIDEO_FILE), VPI_FAILED);
  const std::vector<LogLine> expected{Detail("Vpi%s%02d: ColdStart() entered", kTitle, 6),
                                      Detail("Vpi%s%02d:  HostName: %s", kTitle, 6, "simulator"),
                                      Detail("VTR: ColdStart() Failed on loading DLLfunctions")};
  EXPECT_EQ(OwnLines(log), expected);
  EXPECT_EQ(BoundPointers(station.data()), kVideoFunctionCount - 1);
  EXPECT_NE(Value(station.data().ColorKey), nullptr);
  EXPECT_EQ(Value(station.data().InsertionMode), nullptr);
  EXPECT_FALSE(vpi::LibraryBound(&station.data()));
}

TEST_F(ColdStart, AgainOnAConnectedStationForgetsTheConnectionsWithoutClosing) {
  Station station;
  ColdStarted(station);
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  ASSERT_EQ(RvSimOpenConnections(), kOpenConnections);
  const int callsBefore = RvSimCallCount();
  ASSERT_EQ(station.Call(1), VPI_OK);
  EXPECT_EQ(RvSimCallCount(), callsBefore);
  EXPECT_EQ(Value(station.data().connected), 0);
  EXPECT_EQ(linktest::OpenSlots(station.data()), std::vector<int32_t>(kOpenConnections, 0));
  RvSimClearTrace();
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  const auto functions = linktest::TracedFunctions();
  EXPECT_EQ(std::count(functions.begin(), functions.end(), "NTRVOpenVideoConnection"),
            kOpenConnections);
  EXPECT_EQ(std::count(functions.begin(), functions.end(), "NTRVCloseVideoConnection"), 0);
}

TEST_F(ColdStart, LinkSlotsRefuseAMissingBlock) {
  for (uint32_t slot : {1u, 2u, 11u, 12u}) {
    VpiCall call{};
    call.function = slot;
    call.station = 1;
    EXPECT_EQ(VpiMain(&call), VPI_INVALID) << slot;
  }
}

// A block that never had a successful cold start, or lost its binding in a
// failed one: every link slot refuses without a library call.
TEST_F(ColdStart, UnboundBlocksNeverCallTheLibrary) {
  Station fresh(1);
  Station failed(2);
  ASSERT_EQ(failed.ColdStart(), VPI_OK);
  ASSERT_EQ(ColdStartWith(failed, VPI_PARTIAL_VIDEO_FILE), VPI_FAILED);
  for (Station* station : {&fresh, &failed}) {
    station->data().numConnections = 6;
    for (int i = 0; i < kOpenConnections; ++i) station->data().connections[i] = 500 + i;
    HostLogCapture log;
    EXPECT_EQ(vpi::EnsureConnected(&station->data()), VPI_FAILED);
    EXPECT_EQ(station->Call(2), VPI_FAILED);
    EXPECT_EQ(station->Call(12), VPI_FAILED);
    EXPECT_TRUE(OwnLines(log).empty());
    EXPECT_EQ(station->Call(11), VPI_FAILED);
    EXPECT_EQ(OwnLines(log), std::vector<LogLine>{Detail("DARAZO:Fail to close communication.")});
    EXPECT_EQ(Value(station->data().connections[0]), 500);
  }
  EXPECT_EQ(RvSimCallCount(), 0);
}

// After a failed cold start with every connection slot 0 there is nothing
// to close: no library call, no failure line, VPI_OK.
TEST_F(ColdStart, ClosingAfterAFailedColdStartWithNoHandlesCallsNothing) {
  Station failed(1);
  ASSERT_EQ(failed.ColdStart(), VPI_OK);
  ASSERT_EQ(ColdStartWith(failed, VPI_PARTIAL_VIDEO_FILE), VPI_FAILED);
  RvSimClearTrace();
  HostLogCapture log;
  EXPECT_EQ(failed.Call(12), VPI_OK);
  EXPECT_EQ(failed.Call(11), VPI_OK);
  EXPECT_TRUE(OwnLines(log).empty());
  EXPECT_EQ(RvSimCallCount(), 0);
}

}  // namespace
