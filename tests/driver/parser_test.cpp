#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "address/vocabulary.h"
#include "support/host_log.h"
#include "support/station.h"

namespace {

using namespace vpi;
using vpitest::HostLogCapture;
using vpitest::LogLine;
using vpitest::Station;

constexpr int kEntryLevel = 8;
constexpr int kDetailLevel = 32;
const LogLine kEntered{kDetailLevel, "VTR: SingleParser() entered"};
const LogLine kInvalidChars{kDetailLevel, "VTR: invalid chars in address"};

LogLine ParseFailed(const std::string& text) {
  return {kDetailLevel, "DARAZO: Parse failed. Invalid GAS : " + text + "."};
}

LogLine Passed(const std::string& text) {
  return {kEntryLevel, "DARAZO: GAS " + text + " pass the Parse function."};
}

// The parser's own lines: everything after the entry point's line.
std::vector<LogLine> ParserLines(const HostLogCapture& log) {
  std::vector<LogLine> lines;
  for (const LogLine& line : log.Lines()) {
    if (line.text.rfind("DARAZO: Entered Vpimain()", 0) == 0) continue;
    lines.push_back(line);
  }
  return lines;
}

void SetAddress(Station& station, const char* text) {
  std::memset(station.data().address, 0, sizeof station.data().address);
  std::snprintf(station.data().address, sizeof station.data().address, "%s", text);
}

struct Named {
  const char* name;
  int32_t type;
  bool flagItem;
};

std::vector<Named> EveryName() {
  std::vector<Named> names;
  const NameGroup* groups[] = {&kFunctionNames, &kStatusNames,    &kResultNames,
                               &kWindowItems,   &kParameterNames, &kTextParameters};
  for (const NameGroup* group : groups) {
    const bool flag = group == &kFunctionNames || group == &kStatusNames;
    for (int i = 0; i < group->count; ++i)
      names.push_back({group->names[i], group->dataType, flag});
  }
  return names;
}

TEST(ParserTypes, EveryNamePassesOnlyWithItsGroupsType) {
  Station station;
  const std::vector<Named> names = EveryName();
  ASSERT_EQ(names.size(), 43u);
  for (const Named& named : names) {
    for (int32_t type : {1, 5, 6, 7, 2}) {
      HostLogCapture log;
      const std::string text = std::string("!") + named.name;
      VpiRequest out{};
      const int32_t result = station.Parse(text, type, &out);
      const bool accepted = type == named.type;
      SCOPED_TRACE(text + " as type " + std::to_string(type));
      EXPECT_EQ(result, accepted ? VPI_OK : VPI_INVALID);
      EXPECT_EQ(out.parseCode, accepted && named.flagItem ? 1 : 16);
      EXPECT_EQ(out.valueType, -1);
      EXPECT_STREQ(station.data().address, named.name);
      std::vector<LogLine> expected{kEntered};
      if (accepted) expected.push_back(Passed(text));
      EXPECT_EQ(ParserLines(log), expected);
    }
  }
}

TEST(ParserTypes, UnknownNameIsReportedWhateverTheType) {
  Station station;
  for (int32_t type : {1, 2, 6}) {
    HostLogCapture log;
    EXPECT_EQ(station.Parse("!FMOD", type), VPI_INVALID);
    EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, kInvalidChars}));
  }
}

TEST(ParserFolding, LowerCaseFoldsToTheVocabulary) {
  Station station;
  HostLogCapture log;
  VpiRequest out{};
  EXPECT_EQ(station.Parse("!fmode", VPI_TYPE_FLAG, &out), VPI_OK);
  EXPECT_STREQ(station.data().address, "FMODE");
  EXPECT_EQ(out.parseCode, 1);
  EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, Passed("!fmode")}));
  EXPECT_EQ(station.Parse("!x", VPI_TYPE_INT16), VPI_OK);
  EXPECT_EQ(station.Parse("!fStAtUs6", VPI_TYPE_FLAG), VPI_OK);
}

TEST(ParserFolding, OnlyBytesFromLowerAToDelFold) {
  Station station;
  HostLogCapture quiet;
  const std::string text = "!a{\x7F`@\x80\xFFz";
  EXPECT_EQ(station.Parse(text, VPI_TYPE_FLAG), VPI_INVALID);
  EXPECT_EQ(std::string(station.data().address), "A[_`@\x80\xFFZ");
}

TEST(ParserFolding, NamesAreWholeTexts) {
  Station station;
  for (const char* text : {"!FMODE ", "! FMODE", "!FMOD", "!FMODEX"}) {
    HostLogCapture log;
    EXPECT_EQ(station.Parse(text, VPI_TYPE_FLAG), VPI_INVALID) << text;
    EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, kInvalidChars})) << text;
  }
}

TEST(ParserOutputs, WrittenBeforeAnyCheck) {
  Station station;
  HostLogCapture quiet;
  for (const char* text : {"FMODE", "!NOPE", "!FMODE", "!WINDOW"}) {
    std::vector<char> buffer(text, text + std::strlen(text) + 1);
    VpiRequest request{};
    request.addressText = buffer.data();
    request.requestedType = VPI_TYPE_FLAG;
    request.parseInfo1 = request.parseInfo2 = request.parseInfo3 = 77;
    request.valueType = 77;
    request.parseCode = 77;
    request.unused12 = 55;
    request.unused36 = 55;
    station.Call(3, &request);
    EXPECT_EQ(request.parseInfo1, 0) << text;
    EXPECT_EQ(request.parseInfo2, 0) << text;
    EXPECT_EQ(request.parseInfo3, 0) << text;
    EXPECT_EQ(request.valueType, -1) << text;
    EXPECT_EQ(request.parseCode, std::strcmp(text, "!FMODE") == 0 ? 1 : 16) << text;
    EXPECT_EQ(request.unused12, 55) << text;
    EXPECT_EQ(request.unused36, 55) << text;
  }
}

TEST(ParserAddress, TextWithoutBangLeavesAddressAlone) {
  Station station;
  SetAddress(station, "PREVIOUS");
  for (const char* text : {"FMODE", "", "?FMODE"}) {
    HostLogCapture log;
    EXPECT_EQ(station.Parse(text, VPI_TYPE_FLAG), VPI_INVALID);
    EXPECT_STREQ(station.data().address, "PREVIOUS");
    EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, ParseFailed(text)}));
  }
}

TEST(ParserAddress, BangAloneClearsAddress) {
  Station station;
  SetAddress(station, "PREVIOUSLONGERTEXT");
  HostLogCapture log;
  EXPECT_EQ(station.Parse("!", VPI_TYPE_FLAG), VPI_INVALID);
  EXPECT_EQ(std::string(station.data().address, sizeof station.data().address),
            std::string(kAddressSize, '\0'));
  EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, kInvalidChars}));
}

TEST(ParserAddress, ShorterNameClearsTheRestOfTheField) {
  Station station;
  HostLogCapture quiet;
  std::memset(station.data().address, 'Q', sizeof station.data().address);
  EXPECT_EQ(station.Parse("!x", VPI_TYPE_INT16), VPI_OK);
  EXPECT_EQ(std::string(station.data().address, sizeof station.data().address),
            std::string("X") + std::string(kAddressSize - 1, '\0'));
}

TEST(ParserAddress, ThirtyOneCharactersFitThirtyTwoDoNot) {
  Station station;
  const std::string fits = "!" + std::string(30, 'a');
  HostLogCapture log;
  EXPECT_EQ(station.Parse(fits, VPI_TYPE_FLAG), VPI_INVALID);
  EXPECT_EQ(std::string(station.data().address), std::string(30, 'A'));
  EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, kInvalidChars}));

  SetAddress(station, "PREVIOUS");
  for (const std::string& tooLong : {"!" + std::string(31, 'b'), "!FMODE" + std::string(60, ' ')}) {
    log.Clear();
    VpiRequest out{};
    EXPECT_EQ(station.Parse(tooLong, VPI_TYPE_FLAG, &out), VPI_INVALID);
    EXPECT_EQ(out.parseCode, 16);
    EXPECT_STREQ(station.data().address, "PREVIOUS");
    EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, ParseFailed(tooLong)}));
  }
}

TEST(ParserNullPointers, RefusedWithOutputsStillWritten) {
  Station station;
  HostLogCapture log;
  EXPECT_EQ(station.Call(3, nullptr), VPI_INVALID);

  VpiRequest request{};
  request.valueType = 9;
  request.requestedType = VPI_TYPE_FLAG;
  log.Clear();
  EXPECT_EQ(station.Call(3, &request), VPI_INVALID);
  EXPECT_EQ(ParserLines(log), (std::vector<LogLine>{kEntered, ParseFailed("")}));
  EXPECT_EQ(request.valueType, -1);
  EXPECT_EQ(request.parseCode, 16);

  char text[] = "!FMODE";
  request.addressText = text;
  request.valueType = 9;
  VpiCall call{};
  call.function = 3;
  call.request = &request;
  EXPECT_EQ(VpiMain(&call), VPI_INVALID);
  EXPECT_EQ(request.valueType, -1);
}

}  // namespace
