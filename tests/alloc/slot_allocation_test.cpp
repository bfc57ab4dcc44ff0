// Every slot path runs without a heap allocation: the calls a host makes
// while it polls and writes, their refusals and failures, warm start, close
// and the lazy open, in both ways a host treats the log lines. Each call is
// counted on its own, from its very first run.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "allocation_counter.h"
#include "core/vpi_records.h"
#include "qelpro_standin.h"
#include "rvideo-sim/rvsim.h"
#include "support/station.h"

namespace {

using alloctest::AllocationCounts;

// One slot call as the test describes it.
// NOLINTNEXTLINE(clang-analyzer-optin.performance.Padding): a short table, fields in reading order
struct CallPlan {
  uint32_t slot;
  const char* address;  // null: no request
  int32_t type;         // requestedType (slot 3) or valueType (slot 7)
  const char* text;     // text in the value buffer; null: a value cell
  int16_t value16;
  int32_t expected;
};

// The records of one call, filled before counting starts.
struct PreparedCall {
  char address[48];
  char text[64];
  VpiValue cell;
  VpiRequest request;
  VpiDriverInfo info;
};

void* Aim(const CallPlan& plan, PreparedCall* prepared) {
  *prepared = PreparedCall{};
  if (plan.slot == 14) return &prepared->info;
  if (plan.slot == 16 && plan.address == nullptr) return &prepared->request;
  if (plan.address == nullptr) return nullptr;
  std::snprintf(prepared->address, sizeof prepared->address, "%s", plan.address);
  prepared->request.addressText = prepared->address;
  prepared->request.requestedType = plan.type;
  prepared->request.valueType = plan.type;
  prepared->cell.half.value16 = plan.value16;
  prepared->request.value = &prepared->cell;
  if (plan.text != nullptr) {
    std::snprintf(prepared->text, sizeof prepared->text, "%s", plan.text);
    prepared->request.value = prepared->text;
  }
  return &prepared->request;
}

std::string Describe(const CallPlan& plan) {
  std::string text = "slot " + std::to_string(plan.slot);
  if (plan.address != nullptr) text += std::string(" ") + plan.address;
  if (plan.text != nullptr) text += std::string(" = ") + plan.text;
  return text;
}

constexpr int32_t kInt = VPI_TYPE_INT16, kFlag = VPI_TYPE_FLAG, kText = VPI_TYPE_TEXT;
constexpr char kTooLong[] = "!FSHOWWINDOWFSHOWWINDOWFSHOWWINDOWFSHOWWINDOW";
constexpr char kPlacement[] = "(CAM1,0,0,640,480,1,Gate)";

// The plain slots, the entry point's refusals, slot 14 and the browse slot
// without an address buffer.
const CallPlan kEntryCalls[] = {
    {13, nullptr, 0, nullptr, 0, VPI_OK},
    {15, nullptr, 0, nullptr, 0, VPI_OK},
    {14, nullptr, 0, nullptr, 0, VPI_OK},
    {4, nullptr, 0, nullptr, 0, VPI_INVALID},
    {6, nullptr, 0, nullptr, 0, VPI_INVALID},
    {10, nullptr, 0, nullptr, 0, VPI_INVALID},
    {0, nullptr, 0, nullptr, 0, VPI_FAILED},
    {8, nullptr, 0, nullptr, 0, VPI_FAILED},
    {17, nullptr, 0, nullptr, 0, VPI_FAILED},
    {18, nullptr, 0, nullptr, 0, VPI_FAILED},
    {0xFFFFFFFFu, nullptr, 0, nullptr, 0, VPI_FAILED},
    {16, nullptr, 0, nullptr, 0, VPI_CANCELLED},
};

const CallPlan kParseCalls[] = {
    {3, "!FMODE", kFlag, nullptr, 0, VPI_OK},
    {3, "!fsourceinfo", kFlag, nullptr, 0, VPI_OK},
    {3, "!FSTATUS6", kFlag, nullptr, 0, VPI_OK},
    {3, "!FNUMSOURCES", VPI_TYPE_INT32, nullptr, 0, VPI_OK},
    {3, "!X", kInt, nullptr, 0, VPI_OK},
    {3, "!MODE", kInt, nullptr, 0, VPI_OK},
    {3, "!COLOR", kText, nullptr, 0, VPI_OK},
    {3, "!FHIDESOURCE", kText, nullptr, 0, VPI_OK},
    {3, "FMODE", kFlag, nullptr, 0, VPI_INVALID},
    {3, "", kFlag, nullptr, 0, VPI_INVALID},
    {3, kTooLong, kText, nullptr, 0, VPI_INVALID},
    {3, "!FMODE", kInt, nullptr, 0, VPI_INVALID},
    {3, "!FMOD", kFlag, nullptr, 0, VPI_INVALID},
    {3, "!", kFlag, nullptr, 0, VPI_INVALID},
};

// Staging, placement, every function command, reads and refusals, in an
// order in which each call does its full work.
const CallPlan kExchangeCalls[] = {
    {7, "!WINDOW", kInt, nullptr, 1, VPI_OK},
    {7, "!SOURCE", kInt, nullptr, 1, VPI_OK},
    {7, "!X", kInt, nullptr, 0, VPI_OK},
    {7, "!Y", kInt, nullptr, 0, VPI_OK},
    {7, "!WIDTH", kInt, nullptr, 640, VPI_OK},
    {7, "!HEIGHT", kInt, nullptr, 480, VPI_OK},
    {7, "!ZORDER", kInt, nullptr, 1, VPI_OK},
    {7, "!ZX", kInt, nullptr, 10, VPI_OK},
    {7, "!ZY", kInt, nullptr, 10, VPI_OK},
    {7, "!ZWIDTH", kInt, nullptr, 100, VPI_OK},
    {7, "!ZHEIGHT", kInt, nullptr, 100, VPI_OK},
    {7, "!BRIGHTNESS", kInt, nullptr, 300, VPI_OK},
    {7, "!CONTRAST", kInt, nullptr, 20, VPI_OK},
    {7, "!SATURATION", kInt, nullptr, 30, VPI_OK},
    {7, "!HUE", kInt, nullptr, 40, VPI_OK},
    {7, "!MODE", kInt, nullptr, 2, VPI_OK},
    {7, "!CAPTION", kText, "Gate", 0, VPI_OK},
    {7, "!COLOR", kText, "(255,128,0)", 0, VPI_OK},
    {7, "!COLOR", kText, "(1,2)", 0, VPI_INVALID},
    {7, "!FSHOWWINDOW", kText, kPlacement, 0, VPI_OK},
    {7, "!FSHOWWINDOW", kText, kPlacement, 0, VPI_OK},  // hides its own window first
    {7, "!FHIDESOURCE", kText, "(CAM1)", 0, VPI_OK},
    {7, "!FHIDESOURCE", kText, "(CAM1)", 0, VPI_INVALID},
    {7, "!FSHOWWINDOW", kText, "(NOCAM,0,0,640,480,1,Gate)", 0, VPI_INVALID},
    {7, "!FMODE", kFlag, nullptr, 1, VPI_OK},
    {7, "!FCOLORKEY", kFlag, nullptr, 1, VPI_OK},
    {7, "!FHUE", kFlag, nullptr, 1, VPI_OK},
    {7, "!FSATURATION", kFlag, nullptr, 1, VPI_OK},
    {7, "!FCONTRAST", kFlag, nullptr, 1, VPI_OK},
    {7, "!FBRIGHTNESS", kFlag, nullptr, 1, VPI_OK},
    {7, "!FZOOM", kFlag, nullptr, 1, VPI_OK},
    {7, "!FCAPTION", kFlag, nullptr, 1, VPI_OK},
    {7, "!FZORDER", kFlag, nullptr, 1, VPI_OK},
    {7, "!FPOSITION", kFlag, nullptr, 1, VPI_OK},
    {7, "!FSELECT", kFlag, nullptr, 1, VPI_OK},
    {7, "!FMOTION", kFlag, nullptr, 1, VPI_OK},
    {7, "!FSTILLVIDEO", kFlag, nullptr, 1, VPI_OK},
    {7, "!FHIDEVIDEO", kFlag, nullptr, 1, VPI_OK},
    {7, "!FHIDEVIDEO", kFlag, nullptr, 1, VPI_INVALID},
    {7, "!FSOURCEINFO", kFlag, nullptr, 1, VPI_OK},
    {7, "!FZOOM", kFlag, nullptr, 0, VPI_INVALID},
    {7, "!FSTATUS1", kFlag, nullptr, 1, VPI_INVALID},
    {7, "!fmode", kFlag, nullptr, 1, VPI_INVALID},
    {7, kTooLong, kFlag, nullptr, 1, VPI_INVALID},
    {7, "!FMOTION", kFlag, nullptr, 1, VPI_OK},
    {5, "!FRESULT", 0, nullptr, 0, VPI_OK},
    {5, "!FNUMSOURCES", 0, nullptr, 0, VPI_OK},
    {5, "!FSTATUS1", 0, nullptr, 0, VPI_OK},
    {5, "!FSTATUS6", 0, nullptr, 0, VPI_OK},
    {5, "!FSHOWWINDOW", 0, "", 0, VPI_OK},
    {5, "!FHIDESOURCE", 0, "", 0, VPI_OK},
    {5, "!WINDOW", 0, nullptr, 0, VPI_INVALID},
    {5, "!fresult", 0, nullptr, 0, VPI_INVALID},
};

// Warm start, the closes and the lazy opens after them.
const CallPlan kLinkCalls[] = {
    {2, nullptr, 0, nullptr, 0, VPI_OK},    {12, nullptr, 0, nullptr, 0, VPI_OK},
    {5, "!FRESULT", 0, nullptr, 0, VPI_OK}, {11, nullptr, 0, nullptr, 0, VPI_OK},
    {7, "!X", kInt, nullptr, 5, VPI_OK},
};

void DiscardLine(void* /*context*/, int /*level*/, const char* /*line*/) {}

enum class LogMode { kFiltered, kFormatted };

void ApplyLogMode(LogMode mode) {
  QelStandinSetSink(&DiscardLine, nullptr);
  QelStandinSetLevelMask(mode == LogMode::kFiltered ? 0u : 0xFFFFFFFFu);
}

class SlotAllocation : public ::testing::TestWithParam<LogMode> {
 protected:
  void SetUp() override {
    ApplyLogMode(LogMode::kFiltered);
    RvSimSetTracing(0);  // the simulator's trace lines are strings
    // The simulator's list of windows grows on the process's first opens (the
    // library's allocations, not the driver's) and keeps its room after that;
    // then the station starts afresh.
    ASSERT_EQ(RvSimConfigure(nullptr), 0);
    ASSERT_EQ(station.ColdStart(), VPI_OK);
    VpiValue cell{};
    ASSERT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
    ASSERT_EQ(RvSimConfigure(nullptr), 0);
    ASSERT_EQ(station.ColdStart(), VPI_OK);
    ApplyLogMode(GetParam());
  }

  void TearDown() override {
    RvSimSetTracing(1);
    QelStandinSetSink(nullptr, nullptr);
    QelStandinSetLevelMask(0xFFFFFFFFu);
  }

  // Makes the call with counting on; the result must be the expected one.
  AllocationCounts Run(const CallPlan& plan) {
    PreparedCall prepared;
    void* request = Aim(plan, &prepared);
    alloctest::StartCounting();
    const int32_t result = station.Call(plan.slot, request);
    const AllocationCounts counts = alloctest::StopCounting();
    EXPECT_EQ(result, plan.expected) << Describe(plan);
    return counts;
  }

  template <size_t N>
  void ExpectNoAllocation(const CallPlan (&calls)[N]) {
    for (const CallPlan& plan : calls) {
      const AllocationCounts counts = Run(plan);
      EXPECT_EQ(counts.news, 0) << Describe(plan);
      EXPECT_EQ(counts.mallocs, 0) << Describe(plan);
    }
  }

  vpitest::Station station{4};
};

TEST_P(SlotAllocation, EntryPointAndPlainSlots) {
  ExpectNoAllocation(kEntryCalls);
}

TEST_P(SlotAllocation, ParsingAcceptedAndRefusedAddresses) {
  ExpectNoAllocation(kParseCalls);
}

TEST_P(SlotAllocation, StagingPlacementCommandsAndReads) {
  ExpectNoAllocation(kExchangeCalls);
}

TEST_P(SlotAllocation, WarmStartClosesAndLazyOpens) {
  ExpectNoAllocation(kLinkCalls);
}

TEST_P(SlotAllocation, RefusedLibraryCalls) {
  RvSimAddFault("NTRVSetVideoPosition", 1, 1, 0);
  RvSimAddFault("NTRVHideVideo", 1, 1, 0);
  const CallPlan calls[] = {
      {7, "!WINDOW", kInt, nullptr, 1, VPI_OK},
      {7, "!FPOSITION", kFlag, nullptr, 1, VPI_FAILED},
      {7, "!FSHOWWINDOW", kText, kPlacement, 0, VPI_OK},
      {7, "!FSHOWWINDOW", kText, kPlacement, 0, VPI_FAILED},  // the hide is refused
  };
  ExpectNoAllocation(calls);
}

// Cold start reads a file and loads a library: the C library and the loader
// allocate for those, the driver itself makes no C++ allocation.
TEST_P(SlotAllocation, ColdStartMakesNoAllocationOfItsOwn) {
  station.WriteInitFile(vpitest::InitFileFor(vpitest::kSimulatorHost));
  EXPECT_EQ(Run({1, nullptr, 0, nullptr, 0, VPI_OK}).news, 0);
}

INSTANTIATE_TEST_SUITE_P(LogModes, SlotAllocation,
                         ::testing::Values(LogMode::kFiltered, LogMode::kFormatted),
                         [](const ::testing::TestParamInfo<LogMode>& info) {
                           return info.param == LogMode::kFiltered ? "Filtered" : "Formatted";
                         });

// The counters see what they are meant to see, so a zero above means
// something.
TEST(AllocationCounter, SeesAllocationsWhileCounting) {
  void* (*volatile allocate)(size_t) = &std::malloc;
  alloctest::StartCounting();
  std::string* text = new std::string(100, 'x');
  void* block = allocate(32);
  const AllocationCounts counts = alloctest::StopCounting();
  std::free(block);
  delete text;
  EXPECT_GE(counts.news, 2);  // the string and its characters
  if (alloctest::MallocCounted()) {
    EXPECT_GE(counts.mallocs, 3);
  }
  alloctest::StartCounting();
  EXPECT_EQ(alloctest::StopCounting().news, 0);
}

}  // namespace
