// Faults the fuzzers found, each kept by the smallest run that shows it.
#include <gtest/gtest.h>

#include "core/vpi_records.h"
#include "invariants.h"
#include "rvideo-sim/rvsim.h"
#include "support/host_log.h"
#include "support/station.h"

namespace hardening {
namespace {

using vpitest::Station;

class Regressions : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RvSimConfigure(nullptr), 0);
    ASSERT_EQ(station.ColdStart(), VPI_OK);
  }
  vpitest::HostLogCapture log;
  Station station;
};

// An open that answers 0 gave no usable handle: 0 marks an empty slot, and a
// station "connected" through it would never close or hide that window.
TEST_F(Regressions, AnOpenAnsweringZeroIsAFailedOpen) {
  RvSimAddFault("NTRVOpenVideoConnection", 3, 1, 0);
  VpiValue cell{};
  EXPECT_EQ(station.Read("!FRESULT", &cell), VPI_FAILED);
  EXPECT_EQ(+station.data().connected, 0);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  EXPECT_EQ(vpifuzz::CheckStation(station.data()), "");

  RvSimAddFault("NTRVOpenVideoConnection", 1, 1, 0);
  EXPECT_EQ(station.Call(2), VPI_OK);
  EXPECT_EQ(+station.data().connected, 0);
  EXPECT_EQ(RvSimOpenConnections(), 0);
  EXPECT_EQ(vpifuzz::CheckStation(station.data()), "");

  EXPECT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
  EXPECT_EQ(vpifuzz::CheckStation(station.data()), "");
}

}  // namespace
}  // namespace hardening
