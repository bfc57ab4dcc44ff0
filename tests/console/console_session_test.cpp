// The console against the real driver and simulator: data types found by
// the driver's parser, reads and writes through them, clear answers to bad
// input, and the station's initialization file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "console.h"
#include "console_fixture.h"
#include "init_file.h"
#include "value_transfer.h"

namespace {

using consoletest::Contains;
using consoletest::Libraries;
using consoletest::ScratchDirectory;
using vpihost::Console;
using vpihost::LineOutcome;

const std::vector<int32_t> kReadTypes = {VPI_TYPE_INT32, VPI_TYPE_FLAG, VPI_TYPE_TEXT};
const std::vector<int32_t> kWriteTypes = {VPI_TYPE_INT16, VPI_TYPE_FLAG, VPI_TYPE_TEXT};

class ConsoleSession : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Libraries().vpiMain, nullptr) << "driver library beside the test";
    ASSERT_TRUE(Libraries().hasSimulator);
    ASSERT_TRUE(Libraries().hasStandin);
    Libraries().simulator.configure(nullptr);
    console_ = std::make_unique<Console>(Libraries(), out_, vpihost::ConsoleSettings{});
    std::string error;
    ASSERT_TRUE(console_->Start(&error)) << error;
  }

  // Runs `line` and returns what it printed.
  std::string Run(const std::string& line, LineOutcome expected = LineOutcome::kDone) {
    out_.str("");
    EXPECT_EQ(console_->Execute(line), expected) << line << "\n" << out_.str();
    return out_.str();
  }

  void ColdStart() {
    Run("init");
    Run("log off");
    Run("coldstart => VPI_OK");
  }

  ScratchDirectory scratch_;
  std::ostringstream out_;
  std::unique_ptr<Console> console_;
};

TEST_F(ConsoleSession, ParserGivesTheDataTypeOfEachKindOfAddress) {
  vpihost::DriverSession session(Libraries().vpiMain);
  VpiDriverInfo info{};
  ASSERT_EQ(session.QueryInfo(&info), VPI_OK);
  ASSERT_TRUE(session.SelectStation(1));
  using vpihost::DiscoverType;
  EXPECT_EQ(DiscoverType(&session, "!FRESULT", kReadTypes), VPI_TYPE_INT32);
  EXPECT_EQ(DiscoverType(&session, "!FSTATUS4", kReadTypes), VPI_TYPE_FLAG);
  EXPECT_EQ(DiscoverType(&session, "!FSHOWWINDOW", kReadTypes), VPI_TYPE_TEXT);
  EXPECT_EQ(DiscoverType(&session, "!WINDOW", kReadTypes), 0);
  EXPECT_EQ(DiscoverType(&session, "!WINDOW", kWriteTypes), VPI_TYPE_INT16);
  EXPECT_EQ(DiscoverType(&session, "!fzoom", kWriteTypes), VPI_TYPE_FLAG);
  EXPECT_EQ(DiscoverType(&session, "!COLOR", kWriteTypes), VPI_TYPE_TEXT);
  EXPECT_EQ(DiscoverType(&session, "!FRESULT", kWriteTypes), 0);
  EXPECT_EQ(DiscoverType(&session, "FRESULT", kReadTypes), 0);
}

TEST_F(ConsoleSession, ReadsAndWritesUseTheDiscoveredTypes) {
  ColdStart();
  EXPECT_TRUE(Contains(Run("write !WINDOW 2 => VPI_OK"), "VPI_OK"));
  const std::string shown = Run("write !FSHOWWINDOW (CAM2,640,0,640,480,3,Yard) => VPI_OK");
  EXPECT_FALSE(Contains(shown, "sent as"));
  EXPECT_TRUE(Contains(Run("read !FSTATUS2"), "value 1  (FLAG)"));
  Run("expect value 1");
  EXPECT_TRUE(Contains(Run("read !FSHOWWINDOW"), "value \"(CAM2,640,0,640,480,3,Yard)\"  (TEXT)"));
  Run("expect value (CAM2,640,0,640,480,3,Yard)");
  EXPECT_TRUE(Contains(Run("read !FNUMSOURCES"), "value 6  (INT32)"));
  const std::string block = Run("block");
  EXPECT_TRUE(Contains(block, "hostName \"simulator\""));
  EXPECT_TRUE(Contains(block, "WINDOW 2 (window 1)"));
  EXPECT_TRUE(Contains(block, "regionMap   W2:1"));
  EXPECT_TRUE(Contains(Run("wall"), "W2   live   CAM2 (id 102)  at 640,0 640x480  z 3"));
}

TEST_F(ConsoleSession, AddressesTheParserRefusesStillReachTheDriver) {
  ColdStart();
  const std::string write = Run("write !FRESULT 1 => VPI_INVALID");
  EXPECT_TRUE(Contains(write, "takes !FRESULT as none of the types 1, 6, 7"));
  EXPECT_TRUE(Contains(write, "(sent as INT16)"));
  EXPECT_TRUE(Contains(Run("read !WINDOW => VPI_INVALID"), "as none of the types 5, 6, 7"));
  // A forced type reaches the write slot as given.
  Run("write -t 6 !BRIGHTNESS 1 => VPI_INVALID");
  Run("write -t 1 !BRIGHTNESS 300 => VPI_OK");
}

TEST_F(ConsoleSession, FailedChecksAreCountedAndReported) {
  ColdStart();
  EXPECT_TRUE(Contains(Run("read !FRESULT => VPI_FAILED", LineOutcome::kCheckFailed),
                       "CHECK FAILED: expected VPI_FAILED, got VPI_OK"));
  EXPECT_TRUE(Contains(Run("expect value 1", LineOutcome::kCheckFailed), "got 0"));
  Run("expect VPI_OK");
  Run("expect log nothing like this", LineOutcome::kCheckFailed);
  EXPECT_EQ(console_->checksRun(), 5);
  EXPECT_EQ(console_->checksFailed(), 3);
}

TEST_F(ConsoleSession, BadInputIsAnsweredWithoutCallingTheDriver) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"frobnicate", "unknown command \"frobnicate\""},
      {"read", "usage: read"},
      {"write !X", "usage: write"},
      {"write !WINDOW abc", "\"abc\" is not a 16-bit number"},
      {"write !WINDOW 70000", "is not a 16-bit number"},
      {"read !ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "address too long: 33 characters"},
      {"parse !FMODE", "usage: parse"},
      {"parse !FMODE words", "no data type"},
      {"station 1000", "not a station number"},
      {"read !FRESULT => VPI_PERHAPS", "is no result code"},
      {"log loud", "not off, all or a level mask"},
      {"init bad;name", "cannot hold"},
      {"help => VPI_OK", "checks only commands that call the driver"},
      {"fault NTRVHideVideo zero", "not a usable number"},
  };
  Run("log all");
  for (const Case& c : cases) {
    const std::string printed = Run(c.line, LineOutcome::kInputError);
    EXPECT_TRUE(Contains(printed, "error: ")) << c.line;
    EXPECT_TRUE(Contains(printed, c.message)) << c.line << " printed " << printed;
    EXPECT_FALSE(Contains(printed, "log[")) << c.line << ": the driver was called";
  }
  EXPECT_TRUE(Contains(Run("expect VPI_OK", LineOutcome::kInputError), "no driver call"));
}

TEST_F(ConsoleSession, InitKeepsAnExistingFileUnlessForced) {
  {
    std::ofstream mine("darAZO01.int");
    mine << "HostName = somewhere;\n";
  }
  EXPECT_TRUE(Contains(Run("init"), "exists (HostName \"somewhere\"): kept"));
  EXPECT_EQ(vpihost::HostNameInFile("darAZO01.int"), "somewhere");
  Run("init --force localhost");
  EXPECT_EQ(vpihost::HostNameInFile("darAZO01.int"), "localhost");
  Run("station 7");
  EXPECT_TRUE(Contains(Run("init"), "wrote darAZO07.int naming \"simulator\""));
  std::ifstream written("darAZO07.int");
  std::stringstream text;
  text << written.rdbuf();
  EXPECT_EQ(text.str(), vpihost::InitFileText(7, "simulator"));
  EXPECT_TRUE(Contains(Run("init ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", LineOutcome::kInputError),
                       "1 to 29 characters"));
}

TEST_F(ConsoleSession, ColdStartWithoutAFileHintsAtInit) {
  Run("station 42");
  const std::string printed = Run("coldstart");
  EXPECT_TRUE(Contains(printed, "VPI_FAILED"));
  EXPECT_TRUE(Contains(printed, "no darAZO42.int here"));
}

TEST_F(ConsoleSession, HostLogLinesFollowTheLevelFilter) {
  Run("init");
  Run("log all");
  std::string printed = Run("coldstart");
  EXPECT_TRUE(Contains(printed, "  log[8] DARAZO: Entered Vpimain(), with function 0"));
  EXPECT_TRUE(Contains(printed, "  log[32] VpiVivuz Video System(VTR)01: ColdStart() entered"));
  Run("log 32");
  printed = Run("coldstart");
  EXPECT_FALSE(Contains(printed, "log[8]"));
  EXPECT_TRUE(Contains(printed, "log[32]"));
  Run("log off");
  EXPECT_FALSE(Contains(Run("coldstart"), "log["));
}

TEST_F(ConsoleSession, BrowsePicksThroughTheDialogModel) {
  if (!Libraries().hasDialogModel) GTEST_SKIP() << "this driver shows a real dialog";
  // The driver shows its dialog once per process: this is the only call.
  const std::string printed = Run("browse zx => VPI_OK");
  EXPECT_TRUE(Contains(printed, "dialog: Parameter, picked ZX, OK"));
  Run("expect value !ZX");
  Run("browse FZOOM => VPI_CANCELLED");
}

}  // namespace
