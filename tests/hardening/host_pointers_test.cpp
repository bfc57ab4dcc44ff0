// What the host may get wrong in the records it passes: null pointers where
// a slot needs a record, a value or a text, and counts in the block that the
// driver never wrote. Every slot answers with a plain result code, calls no
// library function and writes nothing outside the block.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/vpi_records.h"
#include "invariants.h"
#include "rvideo-sim/rvsim.h"
#include "support/host_log.h"
#include "support/station.h"

namespace hardening {
namespace {

using vpitest::Station;

int32_t CallWith(DriverData* data, uint32_t slot, void* request) {
  VpiCall call{};
  call.driverData = data;
  call.function = slot;
  call.station = 1;
  call.request = request;
  return VpiMain(&call);
}

class HostPointers : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RvSimConfigure(nullptr), 0);
    ASSERT_EQ(station.ColdStart(), VPI_OK);
    VpiValue cell{};
    ASSERT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
    ASSERT_EQ(station.WriteNumber("!WINDOW", VPI_TYPE_INT16, 2), VPI_OK);
    ASSERT_EQ(station.WriteNumber("!FPOSITION", VPI_TYPE_FLAG, 1), VPI_OK);  // lastResult 1
    calls = RvSimCallCount();
  }

  // No library call since SetUp, lastResult kept, invariants hold.
  void ExpectUntouched() {
    EXPECT_EQ(RvSimCallCount(), calls);
    EXPECT_EQ(+station.data().lastResult, 1);
    EXPECT_EQ(vpifuzz::CheckStation(station.data()), "");
  }

  vpitest::HostLogCapture log;
  Station station;
  int calls = 0;
};

TEST_F(HostPointers, NullCallOrBlockIsRefused) {
  EXPECT_EQ(VpiMain(nullptr), VPI_INVALID);
  VpiRequest request{};
  char address[] = "!FRESULT";
  request.addressText = address;
  for (uint32_t slot : {1u, 2u, 3u, 5u, 7u, 11u, 12u}) {
    EXPECT_EQ(CallWith(nullptr, slot, &request), VPI_INVALID) << "slot " << slot;
  }
  VpiDriverInfo info{};
  EXPECT_EQ(CallWith(nullptr, 14, &info), VPI_OK);  // needs no block
  ExpectUntouched();
}

TEST_F(HostPointers, NullRequestOrAddressTextIsRefused) {
  for (uint32_t slot : {3u, 5u, 7u, 14u}) {
    EXPECT_EQ(station.Call(slot, nullptr), VPI_INVALID) << "slot " << slot;
  }
  VpiRequest request{};
  VpiValue cell{};
  request.value = &cell;
  request.valueType = VPI_TYPE_INT16;
  request.requestedType = VPI_TYPE_INT16;
  for (uint32_t slot : {3u, 5u, 7u}) {
    EXPECT_EQ(station.Call(slot, &request), VPI_INVALID) << "slot " << slot;
  }
  EXPECT_EQ(request.valueType, -1);  // the parser still reset its outputs
  ExpectUntouched();
}

TEST_F(HostPointers, NullValueIsRefusedBeforeAnyDeviceCall) {
  for (const char* address : {"!FRESULT", "!FNUMSOURCES", "!FSTATUS1", "!FSHOWWINDOW"}) {
    EXPECT_EQ(station.Read(address, nullptr), VPI_INVALID) << address;
  }
  EXPECT_EQ(station.Read("!FHIDESOURCE", nullptr), VPI_OK);  // reads nothing
  for (const char* address :
       {"!X", "!CAPTION", "!COLOR", "!FSHOWWINDOW", "!FHIDESOURCE", "!FPOSITION"}) {
    for (int32_t type : {VPI_TYPE_INT16, VPI_TYPE_FLAG, VPI_TYPE_TEXT}) {
      EXPECT_EQ(station.Write(address, type, nullptr), VPI_INVALID) << address << " " << type;
    }
  }
  ExpectUntouched();
}

// A count the driver never wrote keeps every loop inside the ten slots. A
// negative count closes nothing, not even the live handle in slot 0: both
// closes answer VPI_OK without a library call, a log line or a changed slot,
// and a warm start then only marks the station disconnected.
TEST_F(HostPointers, ConnectionCountsOverwrittenByTheHostStayInsideTheTable) {
  const std::vector<int32_t> slots(station.data().connections,
                                   station.data().connections + kConnectionSlots);
  for (const int32_t count : {-1, -5, INT32_MIN}) {
    station.data().numConnections = count;
    log.Clear();
    EXPECT_EQ(station.Call(12), VPI_OK) << count;
    EXPECT_EQ(station.Call(11), VPI_OK) << count;
    EXPECT_EQ(std::vector<int32_t>(station.data().connections,
                                   station.data().connections + kConnectionSlots),
              slots);
    EXPECT_EQ(+station.data().connected, 1);
    for (const vpitest::LogLine& line : log.Lines()) EXPECT_EQ(line.level, 8) << line.text;
    EXPECT_EQ(RvSimCallCount(), calls);
  }
  EXPECT_EQ(station.Call(2), VPI_OK);
  EXPECT_EQ(+station.data().connected, 0);
  EXPECT_EQ(RvSimCallCount(), calls);

  station.data().numConnections = 1000;
  EXPECT_EQ(station.Call(2), VPI_OK);
  EXPECT_EQ(station.Call(12), VPI_OK);
  EXPECT_EQ(RvSimBadHandleCalls(), 0);
  EXPECT_TRUE(station.GuardsIntact());
}

// A host name field the host filled to its end, without a NUL: the open
// sends its first 29 characters, never more and never an empty name.
TEST_F(HostPointers, AHostNameFieldWithoutItsEndIsSentAsItsFirst29Characters) {
  ASSERT_EQ(station.Call(12), VPI_OK);
  std::memset(station.data().hostName, 'h', sizeof station.data().hostName);
  RvSimClearTrace();
  VpiValue cell{};
  EXPECT_EQ(station.Read("!FRESULT", &cell), VPI_FAILED);  // no such server
  const std::string open =
      "NTRVOpenVideoConnection(\"" + std::string(kHostNameSize - 1, 'h') + "\")";
  EXPECT_EQ(std::string(RvSimTrace()).rfind(open, 0), 0u) << RvSimTrace();
}

}  // namespace
}  // namespace hardening
