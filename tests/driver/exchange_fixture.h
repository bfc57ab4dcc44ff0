// A cold-started station on a fresh simulator for the read and write tests,
// with the host log kept out of the test output.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "core/vpi_records.h"
#include "rvideo-sim/rvsim.h"
#include "support/host_log.h"
#include "support/station.h"

namespace exchangetest {

// A value cell with recognisable bytes in all four places.
inline VpiValue MarkedCell() {
  VpiValue cell;
  const unsigned char bytes[4] = {0xA1, 0xB2, 0xC3, 0xD4};
  std::memcpy(&cell, bytes, sizeof cell);
  return cell;
}

inline std::string CellBytes(const VpiValue& cell) {
  return std::string(reinterpret_cast<const char*>(&cell), sizeof cell);
}

class ExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RvSimConfigure(nullptr), 0);
    ASSERT_EQ(station.ColdStart(), VPI_OK);
  }

  // Runs the lazy open through a read, then forgets the calls it made.
  void Connect() {
    VpiValue cell{};
    ASSERT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
    ASSERT_EQ(+station.data().connected, 1);
    RvSimClearTrace();
  }

  int32_t Stage(const char* name, int16_t value) {
    return station.WriteNumber(name, VPI_TYPE_INT16, value);
  }

  int32_t ReadResult() {
    VpiValue cell{};
    EXPECT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
    return cell.value32;
  }

  std::string Trace() const { return RvSimTrace(); }

  vpitest::HostLogCapture quiet;
  vpitest::Station station;
};

}  // namespace exchangetest
