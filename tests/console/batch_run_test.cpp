// Whole console runs: a script's checks decide the exit status, and a
// console that cannot start says why.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "console_fixture.h"
#include "console_run.h"

namespace {

using consoletest::Contains;
using consoletest::Libraries;
using consoletest::ScratchDirectory;
using vpihost::RunConsole;
using vpihost::RunOptions;

class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Libraries().vpiMain, nullptr);
    Libraries().simulator.configure(nullptr);
  }

  std::string WriteScript(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
    return name;
  }

  int Run(const RunOptions& options, const std::string& input = "") {
    std::istringstream in(input);
    out_.str("");
    err_.str("");
    return RunConsole(options, in, false, out_, err_);
  }

  ScratchDirectory scratch_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(BatchRun, TheTourPasses) {
  RunOptions options;
  options.script = VPI_EXAMPLES_DIR "/tour.vpi";
  options.directory = "tour";
  EXPECT_EQ(Run(options), vpihost::kExitOk) << out_.str() << err_.str();
  EXPECT_TRUE(Contains(out_.str(), " checks, 0 failed, 0 unusable lines"));
  EXPECT_FALSE(Contains(out_.str(), "CHECK FAILED"));
  EXPECT_TRUE(Contains(out_.str(), "W3 CAM3"));
  EXPECT_TRUE(std::ifstream("tour-wall.svg").good()) << "written in the --dir directory";
}

TEST_F(BatchRun, AFailedCheckFailsTheRunAndNamesItsLine) {
  RunOptions options;
  options.script = WriteScript("failing.vpi",
                               "# the parser refuses a parameter asked as a flag\n"
                               "parse !WIDTH 6 => VPI_OK\n"
                               "parse !WIDTH 1 => VPI_OK\n");
  EXPECT_EQ(Run(options), vpihost::kExitChecksFailed);
  EXPECT_TRUE(Contains(out_.str(),
                       "CHECK FAILED: expected VPI_OK, got VPI_INVALID\n"
                       "  at failing.vpi line 2\n"));
  EXPECT_TRUE(Contains(out_.str(), "2 commands, 2 checks, 1 failed, 0 unusable lines"));
}

TEST_F(BatchRun, AnUnusableLineFailsTheRunButTheRestStillRuns) {
  RunOptions options;
  options.script =
      WriteScript("typo.vpi", "info\nreda !FRESULT\nparse !X 1 => VPI_OK\nquit\ninfo\n");
  EXPECT_EQ(Run(options), vpihost::kExitChecksFailed);
  EXPECT_TRUE(Contains(out_.str(), "unknown command \"reda\""));
  EXPECT_TRUE(Contains(out_.str(), "4 commands, 1 checks, 0 failed, 1 unusable lines"));
}

TEST_F(BatchRun, CommandsFromPipedInput) {
  RunOptions options;
  EXPECT_EQ(Run(options, "parse !FRESULT 5 => VPI_OK\nexpect VPI_OK\n"), vpihost::kExitOk)
      << out_.str();
  EXPECT_TRUE(Contains(out_.str(), "vpihost[01]> parse !FRESULT 5 => VPI_OK\n"));
  EXPECT_TRUE(Contains(out_.str(), "== input: 2 commands, 2 checks, 0 failed"));
}

TEST_F(BatchRun, ConsoleThatCannotStartSaysWhy) {
  RunOptions missingDriver;
  missingDriver.driverPath = "no-such-driver-library";
  EXPECT_EQ(Run(missingDriver, "info\n"), vpihost::kExitCannotStart);
  EXPECT_TRUE(Contains(err_.str(), "driver library not found or not loadable"));
  EXPECT_TRUE(Contains(err_.str(), "no-such-driver-library"));

  RunOptions missingScript;
  missingScript.script = "no-such-script.vpi";
  EXPECT_EQ(Run(missingScript), vpihost::kExitCannotStart);
  EXPECT_TRUE(Contains(err_.str(), "cannot read script no-such-script.vpi"));
}

TEST(RunOptions, ParsedFromTheCommandLine) {
  RunOptions options;
  std::string error;
  const char* const good[] = {"vpihost", "--dir", "run", "--ascii", "tour.vpi"};
  ASSERT_TRUE(vpihost::ParseRunOptions(5, good, &options, &error)) << error;
  EXPECT_EQ(options.directory, "run");
  EXPECT_TRUE(options.ascii);
  EXPECT_EQ(options.script, "tour.vpi");
  const char* const dangling[] = {"vpihost", "--driver"};
  EXPECT_FALSE(vpihost::ParseRunOptions(2, dangling, &options, &error));
  const char* const unknown[] = {"vpihost", "--colour"};
  EXPECT_FALSE(vpihost::ParseRunOptions(2, unknown, &options, &error));
  EXPECT_TRUE(Contains(error, "--colour"));
  RunOptions two;
  const char* const scripts[] = {"vpihost", "a.vpi", "b.vpi"};
  EXPECT_FALSE(vpihost::ParseRunOptions(3, scripts, &two, &error));
}

}  // namespace
