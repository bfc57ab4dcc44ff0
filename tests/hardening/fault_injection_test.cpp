// Every library call of every command path fails once: the path is run
// clean to count its n calls, then n more times on a fresh station with the
// k-th call failing. The calls before the failure are the clean run's, the
// block holds exactly what the steps before the failure did, nothing after
// it happens (beyond closing what an incomplete open left), and the
// station's invariants hold.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/vpi_records.h"
#include "hardening/fault_run.h"

namespace hardening {
namespace {

using vpitest::Station;

constexpr int kFirstHandle = 1001;  // the simulator's first handle after configuration
const bool kWholeWall[kRegionCount] = {true, true, true, true, true, true};

int32_t Stage(Station& s, const std::string& name, int16_t value) {
  return s.WriteNumber("!" + name, VPI_TYPE_INT16, value);
}

int32_t Command(Station& s, const std::string& name) {
  return s.WriteNumber("!" + name, VPI_TYPE_FLAG, 1);
}

void Connect(Station& s) {
  VpiValue cell{};
  ASSERT_EQ(s.Read("!FRESULT", &cell), VPI_OK);
}

// Shows source w in window w, inside region w alone.
void ShowInRegion(Station& s, int w) {
  const std::string text = "(CAM" + std::to_string(w + 1) + "," +
                           std::to_string(640 * (w % 3) + 10) + "," +
                           std::to_string(480 * (w / 3) + 10) + ",600,400,0,)";
  ASSERT_EQ(s.WriteText("!FSHOWWINDOW", text), VPI_OK);
}

bool LineLogged(const PathRun& run, const std::string& text) {
  for (const vpitest::LogLine& line : run.log) {
    if (line.text == text) return true;
  }
  return false;
}

using Expectation = std::function<void(int k, const PathRun& clean, const PathRun& run)>;

// Runs the path clean, then once per call and failure value with that call
// failing; checks what every run shares and leaves the rest to `expect`.
void FailEachCall(const CommandPath& path, size_t calls, const Expectation& expect) {
  SCOPED_TRACE(path.name);
  const PathRun clean = RunPath(path);
  ASSERT_EQ(clean.broken, "");
  ASSERT_EQ(clean.trace.size(), calls);
  ASSERT_EQ(clean.libraryCalls, static_cast<int>(calls));
  for (size_t k = 1; k <= calls; ++k) {
    for (int32_t failure : FailuresOf(clean.trace[k - 1].function)) {
      SCOPED_TRACE("call " + std::to_string(k) + ", " + clean.trace[k - 1].call + ", answers " +
                   std::to_string(failure));
      const PathRun run = RunPath(path, static_cast<int>(k), failure);
      EXPECT_EQ(run.broken, "");
      ASSERT_GE(run.trace.size(), k);
      for (size_t i = 0; i + 1 < k; ++i) {
        EXPECT_EQ(run.trace[i].call, clean.trace[i].call);
        EXPECT_EQ(run.trace[i].result, clean.trace[i].result);
      }
      EXPECT_EQ(run.trace[k - 1].call, clean.trace[k - 1].call);
      EXPECT_EQ(run.trace[k - 1].result, failure);
      expect(static_cast<int>(k), clean, run);
    }
  }
}

// A device command that failed: only lastResult changed, nothing followed.
void ExpectRefusedCommand(const PathRun& run, DriverData expected, size_t calls) {
  expected.lastResult = 0;
  EXPECT_EQ(run.result, VPI_FAILED);
  EXPECT_EQ(BlockDifference(expected, run.after), "");
  EXPECT_EQ(run.trace.size(), calls);
}

// ---- Function commands ----------------------------------------------------

// Every window has its camera selected; window index 1 shows video; the
// picture values, zoom, colour and caption are staged.
void StagedWall(Station& s) {
  Connect(s);
  for (int16_t w = 1; w <= kOpenConnections; ++w) {
    Stage(s, "WINDOW", w);
    Stage(s, "SOURCE", w);
    ASSERT_EQ(Command(s, "FSELECT"), VPI_OK);
  }
  Stage(s, "WINDOW", 2);
  Stage(s, "SOURCE", 2);
  Stage(s, "X", 700);
  Stage(s, "Y", 10);
  Stage(s, "WIDTH", 300);
  Stage(s, "HEIGHT", 200);
  ASSERT_EQ(Command(s, "FMOTION"), VPI_OK);
  const char* picture[] = {"ZX",       "ZY",         "ZWIDTH", "ZHEIGHT", "BRIGHTNESS",
                           "CONTRAST", "SATURATION", "HUE",    "MODE",    "ZORDER"};
  for (int i = 0; i < 10; ++i) Stage(s, picture[i], static_cast<int16_t>(10 + i));
  ASSERT_EQ(s.WriteText("!COLOR", "(1,2,3)"), VPI_OK);
  ASSERT_EQ(s.WriteText("!CAPTION", "Gate"), VPI_OK);
}

TEST(FaultInjection, EachFunctionCommandKeepsTheBlockWhenItsCallFails) {
  const char* commands[] = {"FMODE",       "FCOLORKEY",   "FHUE",     "FSATURATION", "FCONTRAST",
                            "FBRIGHTNESS", "FZOOM",       "FCAPTION", "FZORDER",     "FPOSITION",
                            "FHIDEVIDEO",  "FSTILLVIDEO", "FSELECT"};
  for (const char* command : commands) {
    const CommandPath path{command, StagedWall,
                           [command](Station& s) { return Command(s, command); }};
    FailEachCall(path, 1, [](int, const PathRun&, const PathRun& run) {
      ExpectRefusedCommand(run, run.before, 1);
    });
  }
}

TEST(FaultInjection, FNumSourcesReadLeavesTheCellAndCountWhenTheQueryFails) {
  const CommandPath path{"FNUMSOURCES",
                         [](Station& s) {
                           Connect(s);
                           Stage(s, "WINDOW", 3);
                         },
                         [](Station& s) {
                           VpiValue cell{};
                           cell.value32 = 0x5A5A5A5A;
                           const int32_t result = s.Read("!FNUMSOURCES", &cell);
                           const bool untouched = cell.value32 == 0x5A5A5A5A;
                           return result == VPI_OK || untouched ? result : -1;
                         }};
  FailEachCall(path, 1, [](int, const PathRun&, const PathRun& run) {
    ExpectRefusedCommand(run, run.before, 1);
  });
}

TEST(FaultInjection, FHideSourceKeepsTheWindowShownWhenTheHideFails) {
  const CommandPath path{"FHIDESOURCE",
                         [](Station& s) {
                           Connect(s);
                           ShowInRegion(s, 1);
                         },
                         [](Station& s) { return s.WriteText("!FHIDESOURCE", "(CAM2)"); }};
  FailEachCall(path, 1, [](int, const PathRun&, const PathRun& run) {
    ExpectRefusedCommand(run, run.before, 1);
  });
}

// ---- Showing over shown windows --------------------------------------------

// Windows 0 to holders - 1 are shown in their own regions; window index 5
// has camera 6 selected and the whole wall staged.
void HoldersThenWallStaged(Station& s, int holders) {
  Connect(s);
  Stage(s, "WINDOW", 6);
  Stage(s, "SOURCE", 6);
  ASSERT_EQ(Command(s, "FSELECT"), VPI_OK);
  for (int w = 0; w < holders; ++w) ShowInRegion(s, w);
  Stage(s, "WINDOW", 6);
  Stage(s, "SOURCE", 6);
  Stage(s, "X", 0);
  Stage(s, "Y", 0);
  Stage(s, "WIDTH", 1282);
  Stage(s, "HEIGHT", 481);
}

// The holders hidden before the k-th call, in region order.
DriverData AfterHides(const DriverData& before, int holders, int k) {
  DriverData expected = before;
  for (int w = 0; w < holders && w < k - 1; ++w) ExpectHidden(&expected, w);
  return expected;
}

TEST(FaultInjection, FMotionKeepsTheHidesBeforeAFailureAndShowsNothing) {
  for (int holders = 0; holders <= kOpenConnections; ++holders) {
    const CommandPath path{"FMOTION over " + std::to_string(holders) + " windows",
                           [holders](Station& s) { HoldersThenWallStaged(s, holders); },
                           [](Station& s) { return Command(s, "FMOTION"); }};
    FailEachCall(path, holders + 1, [holders](int k, const PathRun&, const PathRun& run) {
      ExpectRefusedCommand(run, AfterHides(run.before, holders, k), k);
    });
  }
}

TEST(FaultInjection, FShowWindowKeepsWhatWasDoneBeforeAFailure) {
  for (int holders = 0; holders <= kOpenConnections; ++holders) {
    const CommandPath path{
        "FSHOWWINDOW over " + std::to_string(holders) + " windows",
        [holders](Station& s) {
          Connect(s);
          for (int w = 0; w < holders; ++w) ShowInRegion(s, w);
        },
        [](Station& s) { return s.WriteText("!FSHOWWINDOW", "(CAM6,0,0,1282,481,7,Wall)"); }};
    // The hides, then select, position, motion, caption and z-order.
    FailEachCall(path, holders + 5, [holders](int k, const PathRun&, const PathRun& run) {
      DriverData expected = AfterHides(run.before, holders, k);
      expected.window = 5;
      expected.source = 5;
      expected.x = 0;
      expected.y = 0;
      expected.width = 1282;
      expected.height = 481;
      expected.zOrder = 7;
      std::memcpy(expected.caption, "Wall", 5);
      const int motion = holders + 3;
      if (k > motion) ExpectShown(&expected, 5, kWholeWall);
      ExpectRefusedCommand(run, expected, k);
    });
  }
}

// ---- Opening the connections ------------------------------------------------

// An open that stopped at call k (k <= 6): the k - 1 new connections are
// closed again in slot order and the block is as before.
void ExpectAbandonedOpen(int k, const PathRun& clean, const PathRun& run) {
  EXPECT_EQ(BlockDifference(run.before, run.after), "");
  ASSERT_EQ(run.trace.size(), static_cast<size_t>(2 * k - 1));
  for (int i = 0; i < k - 1; ++i) {
    EXPECT_EQ(run.trace[k + i].call,
              "NTRVCloseVideoConnection(" + std::to_string(clean.trace[i].result) + ")");
  }
  EXPECT_EQ(run.openConnections, 0);
}

// The source queries after a complete open failed at call k: a failed count
// leaves the count as it was, a failed record leaves that record as it was.
void ExpectSourceQueryFailure(int k, int countCall, const PathRun& clean, const PathRun& run) {
  DriverData expected = clean.after;
  size_t calls = clean.trace.size();
  if (k == countCall) {
    expected.numSources = run.before.numSources;
    if (run.before.numSources == 0)
      std::memcpy(expected.sources, run.before.sources, sizeof expected.sources);
    calls = static_cast<size_t>(countCall) + run.before.numSources;
  } else {
    const int record = k - countCall - 1;
    expected.sources[record] = run.before.sources[record];
  }
  EXPECT_EQ(run.result, clean.result);
  EXPECT_EQ(BlockDifference(expected, run.after), "");
  EXPECT_EQ(run.trace.size(), calls);
  EXPECT_EQ(run.openConnections, clean.openConnections);
}

TEST(FaultInjection, LazyOpenClosesWhatItOpenedWhenAnOpenFails) {
  const CommandPath paths[] = {
      {"lazy open of a read", [](Station&) {},
       [](Station& s) {
         VpiValue cell{};
         return s.Read("!FRESULT", &cell);
       }},
      {"lazy open of a write", [](Station&) {}, [](Station& s) { return Stage(s, "X", 5); }},
  };
  for (const CommandPath& path : paths) {
    // Six opens, the count, six source records.
    FailEachCall(path, 13, [](int k, const PathRun& clean, const PathRun& run) {
      if (k <= kOpenConnections) {
        EXPECT_EQ(run.result, VPI_FAILED);
        ExpectAbandonedOpen(k, clean, run);
        EXPECT_TRUE(LineLogged(run,
                               "VPIVivuz Video System(VTR)01 : Fail to open communication "
                               "port number " +
                                   std::to_string(k) + " in SingleRead()"));
      } else {
        ExpectSourceQueryFailure(k, kOpenConnections + 1, clean, run);
      }
    });
  }
}

TEST(FaultInjection, WarmStartOfANeverConnectedStationClosesAnIncompleteOpen) {
  const CommandPath path{"warm start, never connected", [](Station&) {},
                         [](Station& s) { return s.Call(2); }};
  FailEachCall(path, 13, [](int k, const PathRun& clean, const PathRun& run) {
    EXPECT_EQ(run.result, VPI_OK);
    if (k > kOpenConnections) {
      ExpectSourceQueryFailure(k, kOpenConnections + 1, clean, run);
      return;
    }
    // The other five opens are still made; then their connections are closed.
    EXPECT_EQ(BlockDifference(run.before, run.after), "");
    ASSERT_EQ(run.trace.size(), 11u);
    for (int i = 0; i < kOpenConnections; ++i) {
      EXPECT_EQ(run.trace[i].function, "NTRVOpenVideoConnection");
    }
    for (int i = 0; i < kOpenConnections - 1; ++i) {
      EXPECT_EQ(run.trace[kOpenConnections + i].call,
                "NTRVCloseVideoConnection(" + std::to_string(kFirstHandle + i) + ")");
    }
    EXPECT_EQ(run.openConnections, 0);
    EXPECT_TRUE(LineLogged(run, "DARAZO: Fail to open communication port in the WarmStart()."));
  });
}

TEST(FaultInjection, WarmStartOfAConnectedStationReopensOrEndsDisconnected) {
  const CommandPath path{"warm start, connected", Connect, [](Station& s) { return s.Call(2); }};
  // Close and open per slot, the count, six source records.
  FailEachCall(path, 19, [](int k, const PathRun& clean, const PathRun& run) {
    EXPECT_EQ(run.result, VPI_OK);
    const int reopenCalls = 2 * kOpenConnections;
    if (k > reopenCalls) {
      ExpectSourceQueryFailure(k, reopenCalls + 1, clean, run);
      return;
    }
    const int slot = (k - 1) / 2;
    if (k % 2 == 1) {
      // A failed close keeps its slot; the new connection then takes that
      // slot all the same, and the server keeps the old one open.
      EXPECT_EQ(BlockDifference(clean.after, run.after), "");
      EXPECT_EQ(run.trace.size(), clean.trace.size());
      EXPECT_EQ(run.openConnections, clean.openConnections + 1);
      EXPECT_TRUE(LineLogged(run, "DARAZO:Fail to close comm port " + std::to_string(slot + 1)));
      return;
    }
    // A failed open leaves five new connections: closed again, station
    // disconnected with its count kept.
    DriverData expected = run.before;
    expected.connected = 0;
    for (int i = 0; i < kConnectionSlots; ++i) expected.connections[i] = 0;
    EXPECT_EQ(BlockDifference(expected, run.after), "");
    EXPECT_EQ(run.trace.size(), static_cast<size_t>(reopenCalls + kOpenConnections - 1));
    EXPECT_EQ(run.openConnections, 0);
    EXPECT_TRUE(LineLogged(run, "DARAZO:Fail to open comm port in WarmStart."));
  });
}

// ---- Closing ----------------------------------------------------------------

TEST(FaultInjection, ClosingStopsAtTheFailedCloseAndKeepsTheRestOpen) {
  const CommandPath paths[] = {
      {"ClosePorts", Connect, [](Station& s) { return s.Call(12); }},
      {"CloseComm", Connect, [](Station& s) { return s.Call(11); }},
  };
  for (const CommandPath& path : paths) {
    FailEachCall(path, kOpenConnections, [&path](int k, const PathRun&, const PathRun& run) {
      DriverData expected = run.before;
      for (int slot = 0; slot < k - 1; ++slot) expected.connections[slot] = 0;
      if (k > 1) expected.connected = 0;  // something was closed
      EXPECT_EQ(run.result, VPI_FAILED);
      EXPECT_EQ(BlockDifference(expected, run.after), "");
      EXPECT_EQ(run.trace.size(), static_cast<size_t>(k));
      EXPECT_EQ(run.openConnections, kOpenConnections - (k - 1));
      EXPECT_EQ(LineLogged(run, "DARAZO:Fail to close communication."), path.name == "CloseComm");
    });
  }
}

}  // namespace
}  // namespace hardening
