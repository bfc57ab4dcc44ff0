#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "exchange_fixture.h"

namespace {

using exchangetest::ExchangeTest;

class WriteTest : public ExchangeTest {
 protected:
  int32_t WriteColor(const std::string& text) { return station.WriteText("!COLOR", text); }
  int32_t Flag(const char* name, int16_t value) {
    return station.WriteNumber(name, VPI_TYPE_FLAG, value);
  }
};

struct StagedField {
  const char* address;
  std::function<int16_t(const DriverData&)> field;
};

const std::vector<StagedField>& StagedFields() {
  static const std::vector<StagedField> fields = {
      {"!WINDOW", [](const DriverData& d) { return d.window; }},
      {"!SOURCE", [](const DriverData& d) { return d.source; }},
      {"!X", [](const DriverData& d) { return d.x; }},
      {"!Y", [](const DriverData& d) { return d.y; }},
      {"!WIDTH", [](const DriverData& d) { return d.width; }},
      {"!HEIGHT", [](const DriverData& d) { return d.height; }},
      {"!ZORDER", [](const DriverData& d) { return d.zOrder; }},
      {"!ZX", [](const DriverData& d) { return d.zoomX; }},
      {"!ZY", [](const DriverData& d) { return d.zoomY; }},
      {"!ZWIDTH", [](const DriverData& d) { return d.zoomWidth; }},
      {"!ZHEIGHT", [](const DriverData& d) { return d.zoomHeight; }},
      {"!BRIGHTNESS", [](const DriverData& d) { return d.brightness; }},
      {"!CONTRAST", [](const DriverData& d) { return d.contrast; }},
      {"!SATURATION", [](const DriverData& d) { return d.saturation; }},
      {"!HUE", [](const DriverData& d) { return d.hue; }},
      {"!MODE", [](const DriverData& d) { return d.mode; }},
  };
  return fields;
}

TEST_F(WriteTest, EachParameterLandsInItsOwnField) {
  Connect();
  const std::vector<StagedField>& fields = StagedFields();
  for (size_t i = 0; i < fields.size(); ++i) {
    ASSERT_EQ(Stage(fields[i].address, static_cast<int16_t>(1000 + i)), VPI_OK);
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    const int16_t expected = static_cast<int16_t>(i < 2 ? 999 + i : 1000 + i);
    EXPECT_EQ(fields[i].field(station.data()), expected) << fields[i].address;
  }
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, WindowAndSourceAreStoredLessOne) {
  EXPECT_EQ(Stage("!WINDOW", 3), VPI_OK);
  EXPECT_EQ(+station.data().window, 2);
  EXPECT_EQ(Stage("!WINDOW", 0), VPI_OK);
  EXPECT_EQ(+station.data().window, -1);
  EXPECT_EQ(Stage("!SOURCE", -32768), VPI_OK);  // low 16 bits of -32769
  EXPECT_EQ(+station.data().source, 32767);
  EXPECT_EQ(Stage("!X", -10), VPI_OK);
  EXPECT_EQ(+station.data().x, -10);
}

TEST_F(WriteTest, OnlyTheUpperHalfOfTheCellIsRead) {
  VpiValue cell;
  cell.half.low16 = 0x7777;
  cell.half.value16 = 300;
  EXPECT_EQ(station.Write("!BRIGHTNESS", VPI_TYPE_INT16, &cell), VPI_OK);
  EXPECT_EQ(+station.data().brightness, 300);
}

TEST_F(WriteTest, ParameterWithAnotherTypeIsRefused) {
  ASSERT_EQ(Stage("!BRIGHTNESS", 40), VPI_OK);
  EXPECT_EQ(station.WriteNumber("!BRIGHTNESS", VPI_TYPE_FLAG, 1), VPI_INVALID);
  EXPECT_EQ(station.WriteNumber("!BRIGHTNESS", VPI_TYPE_INT32, 1), VPI_INVALID);
  EXPECT_EQ(station.WriteText("!BRIGHTNESS", "(1)"), VPI_INVALID);
  EXPECT_EQ(+station.data().brightness, 40);
}

TEST_F(WriteTest, NamesAreComparedExactly) {
  Connect();
  ASSERT_EQ(Stage("!X", 5), VPI_OK);
  EXPECT_EQ(Stage("!x", 9), VPI_INVALID);
  EXPECT_EQ(Stage("!X ", 9), VPI_INVALID);
  EXPECT_EQ(Flag("!fmode", 1), VPI_INVALID);  // the parser would accept it
  EXPECT_EQ(+station.data().x, 5);
  EXPECT_EQ(Stage("?X", 7), VPI_OK);  // the first character is not examined
  EXPECT_EQ(+station.data().x, 7);
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, ReadOnlyAndUnknownNamesAreRefused) {
  Connect();
  EXPECT_EQ(Flag("!FSTATUS1", 1), VPI_INVALID);
  EXPECT_EQ(station.WriteNumber("!FRESULT", VPI_TYPE_INT32, 1), VPI_INVALID);
  EXPECT_EQ(station.WriteNumber("!FNUMSOURCES", VPI_TYPE_INT32, 1), VPI_INVALID);
  EXPECT_EQ(Flag("!NOSUCHNAME", 1), VPI_INVALID);
  EXPECT_EQ(Flag("!FSHOWWINDOW", 1), VPI_INVALID);  // window items only as text
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, CaptionIsStagedWithoutTheDevice) {
  Connect();
  EXPECT_EQ(station.WriteText("!CAPTION", "Gate"), VPI_OK);
  EXPECT_STREQ(station.data().caption, "Gate");
  const std::string longest(29, 'c');
  EXPECT_EQ(station.WriteText("!CAPTION", longest), VPI_OK);
  EXPECT_EQ(std::string(station.data().caption), longest);
  EXPECT_EQ(station.WriteText("!CAPTION", ""), VPI_OK);
  EXPECT_STREQ(station.data().caption, "");
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, CaptionTooLongOrNotTextIsRefused) {
  ASSERT_EQ(station.WriteText("!CAPTION", "Gate"), VPI_OK);
  EXPECT_EQ(station.WriteText("!CAPTION", std::string(30, 'c')), VPI_INVALID);
  EXPECT_EQ(station.WriteText("!CAPTION", std::string(200, 'c')), VPI_INVALID);
  EXPECT_EQ(station.WriteNumber("!CAPTION", VPI_TYPE_INT16, 1), VPI_INVALID);
  EXPECT_STREQ(station.data().caption, "Gate");
}

TEST_F(WriteTest, ColorPacksThreeComponents) {
  Connect();
  struct Case {
    const char* text;
    int32_t color;
  };
  const Case cases[] = {
      {"(255,128,0)", 0x80FF},
      {"(0,0,255)", 0xFF0000},
      {"(1,2,3)", 0x030201},
      {"( 10, 20, 30)", 0x1E140A},
      {"(1,2,3,4)", 0x030201},
      {"(256,0,0)", 0x100},
      {"(,,)", 0},
      {"key(1,2,3) trailing", 0x030201},
      {"(1x,2y,3z)", 0x030201},
  };
  for (const Case& c : cases) {
    station.data().color = -1;
    EXPECT_EQ(WriteColor(c.text), VPI_OK) << c.text;
    EXPECT_EQ(+station.data().color, c.color) << c.text;
  }
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, ColorComponentsOverlapWithoutClamping) {
  ASSERT_EQ(WriteColor("(0,0,-1)"), VPI_OK);  // 0xFFFF << 16
  EXPECT_EQ(static_cast<uint32_t>(station.data().color), 0xFFFF0000u);
  ASSERT_EQ(WriteColor("(-1,0,0)"), VPI_OK);
  EXPECT_EQ(+station.data().color, 0xFFFF);
  ASSERT_EQ(WriteColor("(65535,65535,65535)"), VPI_OK);
  EXPECT_EQ(static_cast<uint32_t>(station.data().color), 0xFFFFFFFFu);
  ASSERT_EQ(WriteColor("(65537,0,0)"), VPI_OK);  // the low 16 bits of 65537
  EXPECT_EQ(+station.data().color, 1);
}

TEST_F(WriteTest, MalformedColorIsRefusedAndKeepsTheOldValue) {
  ASSERT_EQ(WriteColor("(1,2,3)"), VPI_OK);
  const std::string tooLong = "(1,2,3)" + std::string(43, ' ');  // 50 characters
  const std::string longComponent = "(" + std::string(19, '0') + "1,2,3)";
  for (const std::string& text :
       {std::string("(1,2)"), std::string("1,2,3"), std::string("(1,2,3"), std::string("1,2,3)"),
        std::string(")(1,2"), std::string(), tooLong, longComponent}) {
    EXPECT_EQ(WriteColor(text), VPI_INVALID) << text;
    EXPECT_EQ(+station.data().color, 0x030201) << text;
  }
  EXPECT_EQ(station.WriteNumber("!COLOR", VPI_TYPE_INT16, 1), VPI_INVALID);
  EXPECT_EQ(+station.data().color, 0x030201);
  // 49 characters and a 19-character component still fit.
  EXPECT_EQ(WriteColor("(1,2,3)" + std::string(42, ' ')), VPI_OK);
  EXPECT_EQ(WriteColor("(" + std::string(18, '0') + "9,0,0)"), VPI_OK);
  EXPECT_EQ(+station.data().color, 9);
}

TEST_F(WriteTest, StagingAndRefusalsLeaveTheResultAlone) {
  Connect();
  for (int32_t result : {1, 0}) {
    station.data().lastResult = result;
    EXPECT_EQ(Stage("!X", 3), VPI_OK);
    EXPECT_EQ(station.WriteText("!CAPTION", "c"), VPI_OK);
    EXPECT_EQ(WriteColor("(1,2,3)"), VPI_OK);
    EXPECT_EQ(WriteColor("(1,2)"), VPI_INVALID);
    EXPECT_EQ(Flag("!FZOOM", 0), VPI_INVALID);
    EXPECT_EQ(Flag("!FSTATUS2", 1), VPI_INVALID);
    EXPECT_EQ(station.WriteText("!FSHOWWINDOW", "(NOSUCH,0,0,1,1,1,c)"), VPI_INVALID);
    EXPECT_EQ(ReadResult(), result);
  }
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, CommandsAreHandedOn) {
  Connect();
  EXPECT_EQ(Flag("!FSOURCEINFO", 1), VPI_OK);
  EXPECT_EQ(Trace(), "");
  ASSERT_EQ(Stage("!WINDOW", 1), VPI_OK);
  ASSERT_EQ(Stage("!ZORDER", 4), VPI_OK);
  EXPECT_EQ(Flag("!FZORDER", 1), VPI_OK);
  const std::string handle = std::to_string(station.data().connections[0]);
  EXPECT_EQ(Trace(), "NTRVSetZOrder(" + handle + ",4) = 1\n");
  EXPECT_EQ(ReadResult(), 1);
}

TEST_F(WriteTest, WindowItemsAreHandedOnAsText) {
  Connect();
  EXPECT_EQ(station.WriteText("!FSHOWWINDOW", "(CAM2,0,480,640,480,2,Gate)"), VPI_OK);
  EXPECT_EQ(+station.data().window, 1);
  char text[64];
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", text), VPI_OK);
  EXPECT_STREQ(text, "(CAM2,0,480,640,480,2,Gate)");
  VpiValue cell{};
  EXPECT_EQ(station.Read("!FSTATUS2", &cell), VPI_OK);
  EXPECT_EQ(cell.half.value16, 1);
  EXPECT_EQ(station.WriteText("!FHIDESOURCE", "(CAM2)"), VPI_OK);
  EXPECT_EQ(station.Read("!FSTATUS2", &cell), VPI_OK);
  EXPECT_EQ(cell.half.value16, 0);
}

TEST_F(WriteTest, WindowItemTextOverFortyNineCharactersIsRefusedUnsent) {
  Connect();
  ASSERT_EQ(Stage("!X", 11), VPI_OK);
  const std::string show = "(CAM1,0,0,640,480,1,Gate)" + std::string(25, ' ');  // 50
  EXPECT_EQ(station.WriteText("!FSHOWWINDOW", show), VPI_INVALID);
  EXPECT_EQ(station.WriteText("!FHIDESOURCE", "(CAM1)" + std::string(44, ' ')), VPI_INVALID);
  EXPECT_EQ(+station.data().x, 11);
  EXPECT_EQ(Trace(), "");
}

TEST_F(WriteTest, AddressOfThirtyTwoCharactersIsRefusedAfterTheOpen) {
  std::unique_ptr<char[]> text(new char[32]);  // no NUL within reach
  std::memcpy(text.get(), "!X", 2);
  std::memset(text.get() + 2, ' ', 30);
  VpiValue cell{};
  cell.half.value16 = 9;
  VpiRequest request{};
  request.addressText = text.get();
  request.valueType = VPI_TYPE_INT16;
  request.value = &cell;
  EXPECT_EQ(station.Call(7, &request), VPI_INVALID);
  EXPECT_EQ(+station.data().connected, 1);
  EXPECT_EQ(+station.data().x, 0);
}

TEST_F(WriteTest, MissingPointersAreRefusedBeforeTheOpen) {
  EXPECT_EQ(station.Call(7, nullptr), VPI_INVALID);
  char address[] = "!X";
  VpiRequest request{};
  request.valueType = VPI_TYPE_INT16;
  request.addressText = address;
  EXPECT_EQ(station.Call(7, &request), VPI_INVALID);  // no value
  VpiValue cell{};
  request.value = &cell;
  request.addressText = nullptr;
  EXPECT_EQ(station.Call(7, &request), VPI_INVALID);  // no address text
  EXPECT_EQ(+station.data().connected, 0);
  request.addressText = address;
  VpiCall call{};
  call.function = 7;
  call.request = &request;
  EXPECT_EQ(VpiMain(&call), VPI_INVALID);  // no instance block
}

TEST_F(WriteTest, FailedOpenEndsTheWriteBeforeStaging) {
  station.WriteInitFile(vpitest::InitFileFor("nowhere"));
  ASSERT_EQ(station.Call(1), VPI_OK);
  EXPECT_EQ(Stage("!X", 12), VPI_FAILED);
  EXPECT_EQ(+station.data().x, 0);
  EXPECT_EQ(Flag("!NOSUCHNAME", 1), VPI_FAILED);
}

}  // namespace
