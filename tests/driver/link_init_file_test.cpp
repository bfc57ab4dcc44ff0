// The initialization file: which line names the video server, and what the
// reader does with everything else.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "link/init_file.h"
#include "link/init_file_rules.h"
#include "link/library_binding.h"
#include "link_fixture.h"
#include "support/open_files.h"

namespace {

using linktest::Detail;
using linktest::kTitle;
using linktest::LinkTest;
using linktest::OwnLines;
using linktest::Value;
using vpitest::HostLogCapture;
using vpitest::Station;

constexpr char kEarlier[] = "earlier";

// Runs one line through the reader with `hostName` holding kEarlier.
struct LineOutcome {
  bool accepted;
  std::string hostName;
};

LineOutcome Apply(const std::string& text) {
  char line[256];
  std::snprintf(line, sizeof line, "%s", text.c_str());
  char hostName[kHostNameSize];
  std::memset(hostName, 'Z', sizeof hostName);
  std::snprintf(hostName, sizeof hostName, "%s", kEarlier);
  const bool accepted = vpi::ApplyHostNameLine(line, hostName);
  return {accepted, hostName};
}

TEST(HostNameLine, ValueRunsFromAfterTheBlanksToTheSemicolon) {
  const struct {
    const char* line;
    const char* value;
  } cases[] = {
      {"HostName=abc;", "abc"},
      {"HostName =   abc  ;\n", "abc  "},
      {"HostNameX = a;", "a"},
      {"HostName=\tabc;", "\tabc"},
      {"HostName=;", ""},
      {"HostName = a=b; c;", "a=b"},
      {"HostName junk = srv ; comment\r\n", "srv "},
      {"HostName=12345678901234567890123456789;", "12345678901234567890123456789"},
  };
  for (const auto& c : cases) {
    const LineOutcome outcome = Apply(c.line);
    EXPECT_TRUE(outcome.accepted) << c.line;
    EXPECT_EQ(outcome.hostName, c.value) << c.line;
  }
}

TEST(HostNameLine, KeyLinesWithoutAUsableValueClearTheName) {
  for (const char* line : {"HostName=abc", "HostName;=abc", "HostName abc;",
                           "HostName=123456789012345678901234567890;"}) {
    const LineOutcome outcome = Apply(line);
    EXPECT_FALSE(outcome.accepted) << line;
    EXPECT_EQ(outcome.hostName, "") << line;
  }
}

TEST(HostNameLine, OtherLinesLeaveTheNameAlone) {
  for (const char* line : {"", "\n", "; HostName=abc;", " HostName=abc;", "hostname=abc;",
                           "Host=abc;", "HostNam=abc;"}) {
    const LineOutcome outcome = Apply(line);
    EXPECT_FALSE(outcome.accepted) << line;
    EXPECT_EQ(outcome.hostName, kEarlier) << line;
  }
}

class InitFile : public LinkTest {
 protected:
  // Cold-starts `station` with `content` as its file; hostName starts as kEarlier.
  int32_t StartWith(Station& station, const std::string& content) {
    std::snprintf(station.data().hostName, kHostNameSize, "%s", kEarlier);
    station.WriteInitFile(content);
    return station.Call(1);
  }
};

TEST_F(InitFile, FirstAcceptedLineWinsAndLogsTheName) {
  Station station(4);
  HostLogCapture log;
  ASSERT_EQ(StartWith(station,
                      "; video server\n\nHostName=abc\nHostName = def;\n"
                      "HostName = ghi;\n"),
            VPI_OK);
  EXPECT_STREQ(station.data().hostName, "def");
  const auto lines = OwnLines(log);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], Detail("Vpi%s%02d:  HostName: %s", kTitle, 4, "def"));
}

TEST_F(InitFile, CarriageReturnLineEndsAreRead) {
  Station station;
  ASSERT_EQ(StartWith(station, "; server\r\n\r\nHostName = srv;\r\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, "srv");
}

TEST_F(InitFile, AFileWithoutAHostNameLineKeepsTheEarlierName) {
  Station station;
  HostLogCapture log;
  ASSERT_EQ(StartWith(station, "; comment only\n[section]\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, kEarlier);
  EXPECT_EQ(OwnLines(log)[1], Detail("Vpi%s%02d:  HostName: %s", kTitle, 1, kEarlier));
}

TEST_F(InitFile, UnusableHostNameLinesLeaveTheNameEmpty) {
  Station station;
  ASSERT_EQ(StartWith(station, "HostName=abc\nHostName;=def\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, "");
}

TEST_F(InitFile, AnOverlongValueIsRefusedAndALaterLineStillCounts) {
  Station station;
  const std::string longName(40, 'n');
  ASSERT_EQ(StartWith(station, "HostName=" + longName + ";\nHostName=short;\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, "short");
  ASSERT_EQ(StartWith(station, "HostName=" + longName + ";\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, "");
  EXPECT_EQ(Value(station.data().address[0]), '\0');  // the next field is untouched
}

TEST_F(InitFile, LinesLongerThanTheBufferAreReadOnInPieces) {
  Station station;
  ASSERT_EQ(StartWith(station, std::string(255, 'x') + "HostName=tail;\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, "tail");
}

TEST_F(InitFile, NameComesFromTheCallsStationAndTheLogFromTheBlock) {
  Station station(123);
  station.data().stationNumber = 42;
  HostLogCapture log;
  ASSERT_EQ(StartWith(station, "HostName=wide;\n"), VPI_OK);
  EXPECT_STREQ(station.data().hostName, "wide");
  EXPECT_EQ(OwnLines(log)[1], Detail("Vpi%s%02d:  HostName: %s", kTitle, 42, "wide"));
}

// Every cold start that opened the file closes it, whatever the file held:
// a host that cold-starts a station every few minutes must not run out of
// files. Where the system lists the open files their number is the same
// after a thousand cold starts; everywhere the file can be renamed and
// deleted right after one.
TEST_F(InitFile, IsClosedAfterEveryColdStartWhateverItHolds) {
  const struct {
    const char* outcome;
    std::string content;
  } files[] = {
      {"host name accepted", vpitest::InitFileFor(vpitest::kSimulatorHost)},
      {"no usable host line", "; nothing here\nHostName = simulator\nHost=x;\n"},
      {"lines over the reader's length",
       std::string(700, 'x') + "\nHostName=" + std::string(400, 'n') + ";\n"},
  };
  Station station(9);
  char fileName[vpi::kInitFileNameSize];
  vpi::FormatInitFileName(station.number(), fileName);
  for (const auto& file : files) {
    SCOPED_TRACE(file.outcome);
    station.WriteInitFile(file.content);
    const int before = vpitest::OpenFileCount();
    HostLogCapture quiet;
    if (before >= 0) {
      for (int start = 0; start < 1000; ++start) {
        ASSERT_EQ(station.Call(1), VPI_OK);
        quiet.Clear();
      }
      EXPECT_EQ(vpitest::OpenFileCount(), before);
    }
    ASSERT_EQ(station.Call(1), VPI_OK);
    EXPECT_TRUE(vpitest::RenameAndDelete(fileName));
  }
}

TEST_F(InitFile, MissingFileFailsBeforeTheLibraryIsBound) {
  Station station(7);
  ASSERT_EQ(station.ColdStart(), VPI_OK);
  ASSERT_TRUE(vpi::LibraryBound(&station.data()));
  station.RemoveInitFile();
  std::snprintf(station.data().hostName, kHostNameSize, "%s", kEarlier);
  HostLogCapture log;
  EXPECT_EQ(station.Call(1), VPI_FAILED);
  const std::vector<vpitest::LogLine> expected{
      Detail("Vpi%s%02d: ColdStart() entered", kTitle, 7),
      Detail("VTR: ColdStart() Failed on loading initialization file")};
  EXPECT_EQ(OwnLines(log), expected);
  EXPECT_STREQ(station.data().hostName, kEarlier);
  EXPECT_FALSE(vpi::LibraryBound(&station.data()));
  EXPECT_EQ(Value(station.data().OpenVideoConnection), nullptr);
  EXPECT_EQ(RvSimCallCount(), 0);
}

}  // namespace
