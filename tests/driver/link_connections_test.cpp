// The six connections: the lazy open with its source list, warm start, and
// closing. No handle is lost or handed to the library after its close.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "link/open_connections.h"
#include "link_fixture.h"

namespace {

using linktest::Detail;
using linktest::kTitle;
using linktest::LinkTest;
using linktest::OpenSlots;
using linktest::OwnLines;
using linktest::TraceCall;
using linktest::TraceCalls;
using linktest::TracedFunctions;
using linktest::Value;
using vpitest::HostLogCapture;
using vpitest::LogLine;
using vpitest::Station;

constexpr char kOpen[] = "NTRVOpenVideoConnection";
constexpr char kClose[] = "NTRVCloseVideoConnection";
constexpr char kCount[] = "NTRVGetNumVideoSources";
constexpr char kInfo[] = "NTRVGetVideoSourceInfo";

int Calls(const char* function) {
  const auto names = TracedFunctions();
  return static_cast<int>(std::count(names.begin(), names.end(), function));
}

std::vector<std::string> Repeat(std::vector<std::string> group, int times) {
  std::vector<std::string> all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), group.begin(), group.end());
  return all;
}

std::string SourcesConfig(int count) {
  std::string config;
  for (int i = 0; i < count; ++i) {
    config += "source " + std::to_string(201 + i) + " CAMERA" + std::to_string(i) + "\n";
  }
  return config;
}

class Connections : public LinkTest {
 protected:
  void Connected(Station& station) {
    ColdStarted(station);
    ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
    RvSimClearTrace();
  }
  void Unreachable(Station& station) {
    station.WriteInitFile("HostName = nowhere;\n");
    ASSERT_EQ(station.Call(1), VPI_OK);
  }
};

TEST_F(Connections, LazyOpenOpensSixThenLoadsTheSourcesOnTheFirst) {
  ASSERT_EQ(RvSimConfigure(SourcesConfig(4).c_str()), 0);
  Station station(2);
  ColdStarted(station);
  HostLogCapture log;
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  const DriverData& d = station.data();
  EXPECT_EQ(Value(d.connected), 1);
  EXPECT_EQ(Value(d.numConnections), kOpenConnections);
  const std::vector<TraceCall> calls = TraceCalls();
  ASSERT_EQ(calls.size(), 11u);
  for (int i = 0; i < kOpenConnections; ++i) {
    EXPECT_EQ(calls[i].function, kOpen);
    EXPECT_EQ(calls[i].arguments, "\"simulator\"");
    EXPECT_EQ(calls[i].result, Value(d.connections[i]));
    EXPECT_NE(Value(d.connections[i]), -1);
  }
  const std::string first = std::to_string(d.connections[0]);
  EXPECT_EQ(calls[6].function, kCount);
  EXPECT_EQ(calls[6].arguments, first);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(calls[7 + i].function, kInfo);
    EXPECT_EQ(calls[7 + i].arguments, first + "," + std::to_string(i));
  }
  EXPECT_EQ(Value(d.numSources), 4);
  EXPECT_EQ(Value(d.sources[3].id), 204);
  EXPECT_STREQ(d.sources[3].name, "CAMERA3");
  EXPECT_EQ(OwnLines(log),
            std::vector<LogLine>{Detail("VPI%s%02d : Number of Video Sources %d", kTitle, 2, 4)});
  RvSimClearTrace();
  EXPECT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  EXPECT_EQ(RvSimTrace(), std::string());
}

TEST_F(Connections, NoMoreThanTenSourceRecordsAreStored) {
  ASSERT_EQ(RvSimConfigure(SourcesConfig(12).c_str()), 0);
  Station station;
  ColdStarted(station);
  HostLogCapture log;
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  EXPECT_EQ(Value(station.data().numSources), 12);
  EXPECT_EQ(vpi::StoredSourceCount(&station.data()), kSourceRecords);
  EXPECT_EQ(Calls(kInfo), kSourceRecords);
  EXPECT_EQ(Value(station.data().sources[9].id), 210);
  EXPECT_EQ(OwnLines(log),
            std::vector<LogLine>{Detail("VPI%s%02d : Number of Video Sources %d", kTitle, 1, 12)});
  EXPECT_TRUE(station.GuardsIntact());
}

TEST_F(Connections, UnreachableServerFailsAtConnectionOneEveryTime) {
  Station station(8);
  Unreachable(station);
  const LogLine failure =
      Detail("VPI%s%02d : Fail to open communication port number %d in SingleRead()", kTitle, 8, 1);
  for (int attempt = 0; attempt < 2; ++attempt) {
    HostLogCapture log;
    RvSimClearTrace();
    EXPECT_EQ(vpi::EnsureConnected(&station.data()), VPI_FAILED);
    EXPECT_EQ(OwnLines(log), std::vector<LogLine>{failure});
    EXPECT_EQ(TracedFunctions(), std::vector<std::string>{kOpen});
    EXPECT_EQ(Value(station.data().connected), 0);
    EXPECT_EQ(Value(station.data().numConnections), 0);
  }
}

TEST_F(Connections, FailureAtTheThirdOpenNamesItAndClosesTheTwoBefore) {
  Station station(3);
  ColdStarted(station);
  RvSimAddFault(kOpen, 3, 1, -1);
  HostLogCapture log;
  EXPECT_EQ(vpi::EnsureConnected(&station.data()), VPI_FAILED);
  EXPECT_EQ(OwnLines(log),
            std::vector<LogLine>{Detail("VPI%s%02d : Fail to open communication port number %d in "
                                        "SingleRead()",
                                        kTitle, 3, 3)});
  const std::vector<std::string> expected{kOpen, kOpen, kOpen, kClose, kClose};
  EXPECT_EQ(TracedFunctions(), expected);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  EXPECT_EQ(OpenSlots(station.data()), std::vector<int32_t>(kOpenConnections, 0));
  EXPECT_EQ(Value(station.data().connected), 0);
  RvSimClearTrace();
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  EXPECT_EQ(Calls(kOpen), kOpenConnections);
  EXPECT_EQ(Calls(kClose), 0);
  EXPECT_EQ(RvSimOpenConnections(), kOpenConnections);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

TEST_F(Connections, WarmStartOnANeverConnectedStationWithoutServer) {
  Station station;
  Unreachable(station);
  HostLogCapture log;
  EXPECT_EQ(station.Call(2), VPI_OK);
  std::vector<LogLine> expected{Detail("Enter into the WarmStart().")};
  for (int i = 0; i < kOpenConnections; ++i) {
    expected.push_back(Detail("DARAZO: Fail to open communication port in the WarmStart()."));
  }
  expected.push_back(Detail("DARAZO: End of WarmStart()."));
  EXPECT_EQ(OwnLines(log), expected);
  EXPECT_EQ(Value(station.data().connected), 0);
  EXPECT_EQ(Value(station.data().numConnections), 0);
}

TEST_F(Connections, WarmStartOnANeverConnectedStationOpensSix) {
  Station station;
  ColdStarted(station);
  RvSimAddFault(kOpen, 2, 1, -1);
  ASSERT_EQ(station.Call(2), VPI_OK);  // five of six: the five are closed again
  EXPECT_EQ(Value(station.data().connected), 0);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  RvSimClearTrace();
  ASSERT_EQ(station.Call(2), VPI_OK);
  EXPECT_EQ(Value(station.data().connected), 1);
  EXPECT_EQ(Value(station.data().numConnections), kOpenConnections);
  std::vector<std::string> expected = Repeat({kOpen}, kOpenConnections);
  expected.push_back(kCount);
  const auto sources = Repeat({kInfo}, 6);  // the default server has six sources
  expected.insert(expected.end(), sources.begin(), sources.end());
  EXPECT_EQ(TracedFunctions(), expected);
}

// A block counted as never connected whose slots still hold handles (a host
// copied a connected block, or an earlier open left them): each is closed
// through the library, in slot order, before the six fresh opens.
TEST_F(Connections, WarmStartOnANeverConnectedStationClosesStaleHandlesFirst) {
  Station station;
  Connected(station);
  const std::vector<int32_t> stale = OpenSlots(station.data());
  station.data().connected = 0;
  station.data().numConnections = 0;
  ASSERT_EQ(station.Call(2), VPI_OK);
  const std::vector<TraceCall> calls = TraceCalls();
  ASSERT_GE(calls.size(), 12u);
  for (size_t i = 0; i < stale.size(); ++i) {
    EXPECT_EQ(calls[i].function, kClose);
    EXPECT_EQ(calls[i].arguments, std::to_string(stale[i]));
    EXPECT_EQ(calls[kOpenConnections + i].function, kOpen);
  }
  EXPECT_EQ(Value(station.data().connected), 1);
  EXPECT_EQ(RvSimOpenConnections(), kOpenConnections);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

// n counted connections: n close and open pairs on slots 0 to n - 1, in
// turn; the slots beyond the count keep their handles.
TEST_F(Connections, WarmStartOnAConnectedStationAlternatesCloseAndOpen) {
  for (const int count : {kOpenConnections, 1}) {
    SCOPED_TRACE(count);
    ASSERT_EQ(RvSimConfigure(nullptr), 0);
    Station station;
    Connected(station);
    station.data().numConnections = count;
    const std::vector<int32_t> before = OpenSlots(station.data());
    HostLogCapture log;
    ASSERT_EQ(station.Call(2), VPI_OK);
    const std::vector<TraceCall> calls = TraceCalls();
    const size_t pairs = static_cast<size_t>(count);
    ASSERT_EQ(calls.size(), 2 * pairs + 1 + 6);  // then the count and six records
    for (size_t i = 0; i < pairs; ++i) {
      EXPECT_EQ(calls[2 * i].function, kClose);
      EXPECT_EQ(calls[2 * i].arguments, std::to_string(before[i]));
      EXPECT_EQ(calls[2 * i + 1].function, kOpen);
      EXPECT_EQ(calls[2 * i + 1].result, Value(station.data().connections[i]));
    }
    EXPECT_EQ(calls[2 * pairs].function, kCount);
    for (size_t i = pairs; i < before.size(); ++i) {
      EXPECT_EQ(Value(station.data().connections[i]), before[i]);
    }
    EXPECT_EQ(Value(station.data().connected), 1);
    EXPECT_EQ(Value(station.data().numConnections), count);
    EXPECT_EQ(RvSimOpenConnections(), kOpenConnections);
    EXPECT_EQ(RvSimBadHandleCalls(), 0);
    const std::vector<LogLine> expected{
        Detail("Enter into the WarmStart()."),
        Detail("VPI%s%02d : Number of Video Sources %d", kTitle, 1, 6),
        Detail("DARAZO: End of WarmStart().")};
    EXPECT_EQ(OwnLines(log), expected);
  }
}

TEST_F(Connections, WarmStartLogsFailedClosesAndOpensAndStaysDisconnected) {
  Station station;
  Connected(station);
  RvSimAddFault(kClose, 2, 1, 0);
  RvSimAddFault(kOpen, 4, 1, -1);
  HostLogCapture log;
  ASSERT_EQ(station.Call(2), VPI_OK);
  const std::vector<LogLine> expected{
      Detail("Enter into the WarmStart()."), Detail("DARAZO:Fail to close comm port %d", 2),
      Detail("DARAZO:Fail to open comm port in WarmStart."), Detail("DARAZO: End of WarmStart().")};
  EXPECT_EQ(OwnLines(log), expected);
  EXPECT_EQ(Value(station.data().connected), 0);
  EXPECT_EQ(Value(station.data().numConnections), kOpenConnections);
  // The five new handles are closed again; the one whose close was refused
  // stays with the server.
  EXPECT_EQ(RvSimOpenConnections(), 1);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
  RvSimClearTrace();
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  EXPECT_EQ(Calls(kOpen), kOpenConnections);
  EXPECT_EQ(RvSimOpenConnections(), 1 + kOpenConnections);
}

TEST_F(Connections, ClosePortsClosesEachOnceAndTheNextUseReopens) {
  Station station;
  Connected(station);
  const std::vector<int32_t> before = OpenSlots(station.data());
  HostLogCapture log;
  ASSERT_EQ(station.Call(12), VPI_OK);
  EXPECT_EQ(TracedFunctions(), Repeat({kClose}, kOpenConnections));
  EXPECT_EQ(TraceCalls()[5].arguments, std::to_string(before[5]));
  EXPECT_EQ(OpenSlots(station.data()), std::vector<int32_t>(kOpenConnections, 0));
  EXPECT_EQ(Value(station.data().connected), 0);
  EXPECT_EQ(Value(station.data().numConnections), kOpenConnections);
  RvSimClearTrace();
  EXPECT_EQ(station.Call(12), VPI_OK);
  EXPECT_EQ(station.Call(11), VPI_OK);
  EXPECT_EQ(RvSimTrace(), std::string());
  EXPECT_TRUE(OwnLines(log).empty());
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  EXPECT_EQ(Calls(kOpen), kOpenConnections);
  EXPECT_EQ(RvSimOpenConnections(), kOpenConnections);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

TEST_F(Connections, ClosePortsStopsAtTheFirstFailedClose) {
  Station station;
  Connected(station);
  RvSimAddFault(kClose, 3, 1, 0);
  HostLogCapture log;
  EXPECT_EQ(station.Call(11), VPI_FAILED);
  EXPECT_EQ(OwnLines(log), std::vector<LogLine>{Detail("DARAZO:Fail to close communication.")});
  EXPECT_EQ(Calls(kClose), 3);
  const DriverData& d = station.data();
  EXPECT_EQ(Value(d.connections[0]), 0);
  EXPECT_EQ(Value(d.connections[1]), 0);
  EXPECT_NE(Value(d.connections[2]), 0);
  EXPECT_EQ(Value(d.connected), 0);
  RvSimClearTrace();
  EXPECT_EQ(station.Call(12), VPI_OK);  // the rest, from the one refused
  EXPECT_EQ(Calls(kClose), 4);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

TEST_F(Connections, LazyOpenClosesHandlesLeftByAnInterruptedClose) {
  Station station;
  Connected(station);
  RvSimAddFault(kClose, 2, 1, 0);
  ASSERT_EQ(station.Call(12), VPI_FAILED);
  RvSimClearTrace();
  ASSERT_EQ(vpi::EnsureConnected(&station.data()), VPI_OK);
  EXPECT_EQ(Calls(kClose), 5);
  EXPECT_EQ(RvSimOpenConnections(), kOpenConnections);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

// A close that fails leaves its handle in place, and the reopen after it
// fails too: every close names a handle the server gave, each handle is
// closed once, and the slots beyond the six are never touched.
TEST_F(Connections, AFailedCloseThenAFailedOpenCloseEachHandleOnce) {
  Station station;
  Connected(station);
  DriverData& d = station.data();
  for (int slot = kOpenConnections; slot < kConnectionSlots; ++slot)
    d.connections[slot] = 9000 + slot;
  const std::vector<int32_t> h = OpenSlots(d);
  RvSimAddFault(kClose, 3, 1, 0);
  ASSERT_EQ(station.Call(12), VPI_FAILED);  // slots 0 and 1 closed, 2 refused
  RvSimClearFaults();
  RvSimAddFault(kClose, 1, 1, 0);  // slot 2's handle is refused again
  RvSimAddFault(kOpen, 3, 1, -1);  // and the third new connection fails
  EXPECT_EQ(vpi::EnsureConnected(&d), VPI_FAILED);
  RvSimClearFaults();
  ASSERT_EQ(vpi::EnsureConnected(&d), VPI_OK);

  std::vector<std::string> opened;
  std::vector<std::string> closes;
  for (const TraceCall& call : TraceCalls()) {
    if (call.function == kOpen) opened.push_back(std::to_string(call.result));
    if (call.function == kClose)
      closes.push_back(call.arguments + "=" + std::to_string(call.result));
  }
  ASSERT_GE(opened.size(), 2u);
  const auto old = [&](int slot) { return std::to_string(h[static_cast<size_t>(slot)]); };
  const std::vector<std::string> expected{
      old(0) + "=1",    old(1) + "=1",    old(2) + "=0",  // the interrupted close
      old(2) + "=0",    old(3) + "=1",    old(4) + "=1",
      old(5) + "=1",                       // stale ones before the open
      opened[0] + "=1", opened[1] + "=1",  // the two new, after its failure
      old(2) + "=1"};                      // the next open
  EXPECT_EQ(closes, expected);
  for (int slot = kOpenConnections; slot < kConnectionSlots; ++slot) {
    EXPECT_EQ(Value(d.connections[slot]), 9000 + slot);
  }
  EXPECT_EQ(Value(d.connected), 1);
  EXPECT_EQ(RvSimOpenConnections(), kOpenConnections);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
}

TEST_F(Connections, ClosePortsAfterColdStartCallsNothing) {
  Station station;
  ColdStarted(station);
  EXPECT_EQ(station.Call(12), VPI_OK);
  EXPECT_EQ(station.Call(11), VPI_OK);
  EXPECT_EQ(RvSimCallCount(), 0);
}

}  // namespace
