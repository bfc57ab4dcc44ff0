#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "exchange_fixture.h"

namespace {

using exchangetest::CellBytes;
using exchangetest::ExchangeTest;
using exchangetest::MarkedCell;

class ReadTest : public ExchangeTest {
 protected:
  // A text buffer prefilled with a marker, as the host might leave it.
  struct TextBuffer {
    char bytes[64];
    TextBuffer() { std::memset(bytes, '#', sizeof bytes); }
    bool Untouched() const {
      for (char c : bytes) {
        if (c != '#') return false;
      }
      return true;
    }
  };

  // Stages the example placement: CAM1 at (0,480) 640 x 480, z-order 2, "Gate".
  void StageExample() {
    ASSERT_EQ(Stage("!SOURCE", 1), VPI_OK);
    ASSERT_EQ(Stage("!X", 0), VPI_OK);
    ASSERT_EQ(Stage("!Y", 480), VPI_OK);
    ASSERT_EQ(Stage("!WIDTH", 640), VPI_OK);
    ASSERT_EQ(Stage("!HEIGHT", 480), VPI_OK);
    ASSERT_EQ(Stage("!ZORDER", 2), VPI_OK);
    ASSERT_EQ(station.WriteText("!CAPTION", "Gate"), VPI_OK);
  }
};

TEST_F(ReadTest, ResultIsTheWholeLastResult) {
  VpiValue cell = MarkedCell();
  EXPECT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
  EXPECT_EQ(cell.value32, 0);
  station.data().lastResult = 1;
  cell = MarkedCell();
  EXPECT_EQ(station.Read("!FRESULT", &cell), VPI_OK);
  EXPECT_EQ(cell.value32, 1);
}

TEST_F(ReadTest, StatusGoesToTheUpperHalfOnly) {
  Connect();
  station.data().windowShown[2] = 1;
  station.data().windowShown[6] = 1;  // window 7 has no status name
  for (int n = 1; n <= 6; ++n) {
    VpiValue cell = MarkedCell();
    const std::string address = "!FSTATUS" + std::to_string(n);
    EXPECT_EQ(station.Read(address, &cell), VPI_OK) << address;
    const VpiValue marked = MarkedCell();
    EXPECT_EQ(CellBytes(cell).substr(0, 2), CellBytes(marked).substr(0, 2)) << address;
    EXPECT_EQ(cell.half.value16, n == 3 ? 1 : 0) << address;
  }
  EXPECT_EQ(Trace(), "");
  VpiValue cell{};
  EXPECT_EQ(station.Read("!FSTATUS7", &cell), VPI_INVALID);
}

TEST_F(ReadTest, SourceCountAsksTheStagedWindowsConnection) {
  Connect();
  ASSERT_EQ(Stage("!WINDOW", 3), VPI_OK);
  VpiValue cell = MarkedCell();
  EXPECT_EQ(station.Read("!FNUMSOURCES", &cell), VPI_OK);
  EXPECT_EQ(cell.value32, 6);
  EXPECT_EQ(+station.data().lastResult, 1);
  const std::string handle = std::to_string(station.data().connections[2]);
  EXPECT_EQ(Trace(), "NTRVGetNumVideoSources(" + handle + ") = 1\n");
}

TEST_F(ReadTest, SourceCountIsAskedAnewEachTime) {
  Connect();
  station.data().numSources = 2;
  VpiValue cell = MarkedCell();
  EXPECT_EQ(station.Read("!FNUMSOURCES", &cell), VPI_OK);
  EXPECT_EQ(cell.value32, 6);
  EXPECT_EQ(+station.data().numSources, 6);
}

TEST_F(ReadTest, FailedSourceCountLeavesTheCellAndClearsTheResult) {
  Connect();
  station.data().lastResult = 1;
  RvSimAddFault("NTRVGetNumVideoSources", 1, 1, 0);
  VpiValue cell = MarkedCell();
  EXPECT_EQ(station.Read("!FNUMSOURCES", &cell), VPI_FAILED);
  EXPECT_EQ(CellBytes(cell), CellBytes(MarkedCell()));
  EXPECT_EQ(+station.data().lastResult, 0);
  EXPECT_EQ(station.Read("!FNUMSOURCES", &cell), VPI_OK);
  EXPECT_EQ(cell.value32, 6);
  EXPECT_EQ(+station.data().lastResult, 1);
}

TEST_F(ReadTest, SourceCountOutsideTheOpenWindowsIsRefusedUnasked) {
  Connect();
  station.data().lastResult = 1;
  const int16_t windows[] = {0, 7, -5};  // staged as -1, 6, -6
  for (int16_t window : windows) {
    ASSERT_EQ(Stage("!WINDOW", window), VPI_OK);
    VpiValue cell = MarkedCell();
    EXPECT_EQ(station.Read("!FNUMSOURCES", &cell), VPI_INVALID) << window;
    EXPECT_EQ(CellBytes(cell), CellBytes(MarkedCell()));
  }
  EXPECT_EQ(Trace(), "");
  EXPECT_EQ(+station.data().lastResult, 1);
}

TEST_F(ReadTest, PlacementTextRepeatsTheStagedValues) {
  StageExample();
  TextBuffer buffer;
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", buffer.bytes), VPI_OK);
  EXPECT_STREQ(buffer.bytes, "(CAM1,0,480,640,480,2,Gate)");
  EXPECT_EQ(buffer.bytes[28], '#');  // nothing written past the NUL

  ASSERT_EQ(Stage("!X", -20), VPI_OK);
  ASSERT_EQ(Stage("!SOURCE", 6), VPI_OK);
  ASSERT_EQ(Stage("!WINDOW", 2), VPI_OK);  // the window plays no part
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", buffer.bytes), VPI_OK);
  EXPECT_STREQ(buffer.bytes, "(CAM6,-20,480,640,480,2,Gate)");
}

TEST_F(ReadTest, PlacementTextNeedsALoadedSource) {
  StageExample();
  const int16_t sources[] = {0, 7, -3};  // staged as -1, 6, -4; six sources loaded
  for (int16_t source : sources) {
    ASSERT_EQ(Stage("!SOURCE", source), VPI_OK);
    TextBuffer buffer;
    EXPECT_EQ(station.ReadText("!FSHOWWINDOW", buffer.bytes), VPI_INVALID) << source;
    EXPECT_TRUE(buffer.Untouched()) << source;
  }
}

TEST_F(ReadTest, PlacementTextOverFortyNineCharactersIsRefused) {
  for (const char* name : {"!X", "!Y", "!WIDTH", "!HEIGHT", "!ZORDER"}) {
    ASSERT_EQ(Stage(name, -32768), VPI_OK);
  }
  ASSERT_EQ(Stage("!SOURCE", 1), VPI_OK);
  // "(CAM1," and five "-32768," take 41 characters; ")" one more.
  ASSERT_EQ(station.WriteText("!CAPTION", "seven77"), VPI_OK);
  TextBuffer buffer;
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", buffer.bytes), VPI_OK);
  EXPECT_EQ(std::strlen(buffer.bytes), 49u);

  ASSERT_EQ(station.WriteText("!CAPTION", "eight888"), VPI_OK);
  TextBuffer refused;
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", refused.bytes), VPI_INVALID);
  EXPECT_TRUE(refused.Untouched());
}

TEST_F(ReadTest, PlacementTextSurvivesAnUnterminatedSourceName) {
  Connect();
  ASSERT_EQ(Stage("!SOURCE", 1), VPI_OK);
  std::memset(station.data().sources[0].name, 'N', sizeof station.data().sources[0].name);
  TextBuffer buffer;
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", buffer.bytes), VPI_INVALID);
  EXPECT_TRUE(buffer.Untouched());
}

TEST_F(ReadTest, HideSourceReadsNothing) {
  TextBuffer buffer;
  EXPECT_EQ(station.ReadText("!FHIDESOURCE", buffer.bytes), VPI_OK);
  EXPECT_TRUE(buffer.Untouched());
}

TEST_F(ReadTest, OnlyTheTenReadableNamesAsWritten) {
  Connect();
  for (const char* address : {"!fresult", "!FMODE", "!FSOURCEINFO", "!WINDOW", "!CAPTION", "!COLOR",
                              "!FRESULT ", "!FRESUL", "!", "", "FRESULT"}) {
    VpiValue cell = MarkedCell();
    EXPECT_EQ(station.Read(address, &cell), VPI_INVALID) << address;
    EXPECT_EQ(CellBytes(cell), CellBytes(MarkedCell())) << address;
  }
  // The first character is not examined.
  VpiValue cell = MarkedCell();
  EXPECT_EQ(station.Read("?FRESULT", &cell), VPI_OK);
  EXPECT_EQ(cell.value32, 0);
  EXPECT_EQ(Trace(), "");
}

TEST_F(ReadTest, AddressOfThirtyTwoCharactersIsRefusedAfterTheOpen) {
  // Exactly 32 bytes and no NUL: reading a 33rd byte would be caught.
  std::unique_ptr<char[]> text(new char[32]);
  std::memcpy(text.get(), "!FRESULT", 8);
  std::memset(text.get() + 8, ' ', 24);
  VpiRequest request{};
  request.addressText = text.get();
  VpiValue cell = MarkedCell();
  request.value = &cell;
  EXPECT_EQ(station.Call(5, &request), VPI_INVALID);
  EXPECT_EQ(+station.data().connected, 1);
  EXPECT_EQ(CellBytes(cell), CellBytes(MarkedCell()));
}

TEST_F(ReadTest, MissingPointersAreRefused) {
  EXPECT_EQ(station.Call(5, nullptr), VPI_INVALID);
  VpiRequest request{};
  EXPECT_EQ(station.Call(5, &request), VPI_INVALID);  // no address text
  EXPECT_EQ(+station.data().connected, 0);
  char address[] = "!FRESULT";
  request.addressText = address;
  EXPECT_EQ(station.Call(5, &request), VPI_INVALID);  // no value
  char hide[] = "!FHIDESOURCE";
  request.addressText = hide;
  EXPECT_EQ(station.Call(5, &request), VPI_OK);  // needs none
  VpiCall call{};
  call.function = 5;
  call.request = &request;
  EXPECT_EQ(VpiMain(&call), VPI_INVALID);  // no instance block
}

TEST_F(ReadTest, FailedOpenEndsTheReadWhateverTheName) {
  station.WriteInitFile(vpitest::InitFileFor("nowhere"));
  ASSERT_EQ(station.Call(1), VPI_OK);
  for (const char* address : {"!FRESULT", "!NOTANAME"}) {
    VpiValue cell = MarkedCell();
    EXPECT_EQ(station.Read(address, &cell), VPI_FAILED) << address;
    EXPECT_EQ(CellBytes(cell), CellBytes(MarkedCell()));
  }
}

}  // namespace
