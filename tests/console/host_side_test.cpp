// The host side of the console against a stand-in entry point: blocks per
// station, value buffers with guard bytes, write encodings, the decoded
// block and the banner.
#include <gtest/gtest.h>

#include <cstring>

#include "banner_text.h"
#include "block_view.h"
#include "console_fixture.h"
#include "driver_session.h"
#include "value_transfer.h"

namespace {

using consoletest::Contains;

// What the stand-in entry point saw and how it answers reads.
struct FakeDriver {
  size_t readBytes = 0;  // bytes a read writes into the value buffer
  VpiCall lastCall{};
  int32_t writeType = 0;
  int16_t written16 = 0;
  std::string writtenText;
};
FakeDriver fake;

int32_t VPI_STDCALL FakeEntry(VpiCall* call) {
  fake.lastCall = *call;
  if (call->function == 14) {
    static_cast<VpiDriverInfo*>(call->request)->instanceSize = sizeof(DriverData);
    return VPI_OK;
  }
  VpiRequest* request = static_cast<VpiRequest*>(call->request);
  if (call->function == 5) {
    std::memset(request->value, 'x', fake.readBytes);
    return VPI_OK;
  }
  if (call->function == 7) {
    fake.writeType = request->valueType;
    if (request->valueType == VPI_TYPE_TEXT) {
      fake.writtenText = static_cast<const char*>(request->value);
    } else {
      fake.written16 = static_cast<VpiValue*>(request->value)->half.value16;
    }
  }
  return VPI_OK;
}

class HostSide : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = FakeDriver();
    VpiDriverInfo info{};
    ASSERT_EQ(session_.QueryInfo(&info), VPI_OK);
    ASSERT_TRUE(session_.SelectStation(1));
  }
  vpihost::DriverSession session_{&FakeEntry};
};

TEST_F(HostSide, EachStationHasItsOwnZeroedBlock) {
  unsigned char* first = session_.Block();
  ASSERT_NE(session_.Data(), nullptr);
  const int32_t stationNumber = session_.Data()->stationNumber;
  const int32_t connected = session_.Data()->connected;
  EXPECT_EQ(stationNumber, 1);
  EXPECT_EQ(connected, 0);
  first[0] = 1;
  ASSERT_TRUE(session_.SelectStation(12));
  EXPECT_NE(session_.Block(), first);
  EXPECT_EQ(session_.Block()[0], 0);
  session_.Call(1, nullptr);
  EXPECT_EQ(fake.lastCall.station, 12);
  EXPECT_EQ(reinterpret_cast<unsigned char*>(fake.lastCall.driverData), session_.Block());
  ASSERT_TRUE(session_.SelectStation(1));
  EXPECT_EQ(session_.Block(), first);
  EXPECT_FALSE(session_.SelectStation(1000));
  EXPECT_FALSE(session_.SelectStation(-1));
  EXPECT_EQ(session_.station(), 1);
}

TEST_F(HostSide, WritesPastTheValueBufferAreCaught) {
  fake.readBytes = kHostTextSize;
  EXPECT_FALSE(vpihost::ReadValue(&session_, "!FSHOWWINDOW", VPI_TYPE_TEXT).overrun);
  fake.readBytes = kHostTextSize + 1;
  EXPECT_TRUE(vpihost::ReadValue(&session_, "!FSHOWWINDOW", VPI_TYPE_TEXT).overrun);
  fake.readBytes = sizeof(VpiValue);
  EXPECT_FALSE(vpihost::ReadValue(&session_, "!FRESULT", VPI_TYPE_INT32).overrun);
  fake.readBytes = sizeof(VpiValue) + 2;
  EXPECT_TRUE(vpihost::ReadValue(&session_, "!FRESULT", VPI_TYPE_INT32).overrun);
}

TEST_F(HostSide, TextReadStopsAtItsBufferEvenWithoutANul) {
  fake.readBytes = kHostTextSize;
  const vpihost::Transfer read = vpihost::ReadValue(&session_, "!FSHOWWINDOW", VPI_TYPE_TEXT);
  EXPECT_EQ(read.value, std::string(kHostTextSize, 'x'));
}

TEST_F(HostSide, WriteValuesAreEncodedForTheirType) {
  vpihost::WriteBuffer buffer;
  std::string error;
  ASSERT_TRUE(vpihost::EncodeWriteValue(VPI_TYPE_INT16, "65535", &buffer, &error));
  vpihost::SendWrite(&session_, "!X", &buffer);
  EXPECT_EQ(fake.writeType, VPI_TYPE_INT16);
  EXPECT_EQ(fake.written16, -1);
  ASSERT_TRUE(vpihost::EncodeWriteValue(VPI_TYPE_FLAG, "0x0101", &buffer, &error));
  vpihost::SendWrite(&session_, "!FZOOM", &buffer);
  EXPECT_EQ(fake.written16, 0x0101);
  // A number where text is wanted stays text.
  ASSERT_TRUE(vpihost::EncodeWriteValue(VPI_TYPE_TEXT, "42", &buffer, &error));
  vpihost::SendWrite(&session_, "!CAPTION", &buffer);
  EXPECT_EQ(fake.writeType, VPI_TYPE_TEXT);
  EXPECT_EQ(fake.writtenText, "42");
  // No type known: the value's form decides.
  ASSERT_TRUE(vpihost::EncodeWriteValue(0, "-7", &buffer, &error));
  EXPECT_EQ(buffer.type, VPI_TYPE_INT16);
  ASSERT_TRUE(vpihost::EncodeWriteValue(0, "(1,2,3)", &buffer, &error));
  EXPECT_EQ(buffer.type, VPI_TYPE_TEXT);
  EXPECT_FALSE(vpihost::EncodeWriteValue(VPI_TYPE_FLAG, "on", &buffer, &error));
  EXPECT_FALSE(vpihost::EncodeWriteValue(VPI_TYPE_INT16, "-32769", &buffer, &error));
}

TEST(BlockView, FieldsDecodedAndTextsBounded) {
  DriverData data;
  std::memset(&data, 0, sizeof data);
  data.connected = 1;
  data.numConnections = 6;
  data.connections[0] = 1001;
  data.windowShown[1] = 1;
  data.regionMap[1][0] = data.regionMap[1][3] = 1;
  data.numSources = 12;  // more than the block holds: only ten are shown
  for (int i = 0; i < kSourceRecords; ++i) {
    data.sources[i].id = 100 + i;
    std::snprintf(data.sources[i].name, sizeof data.sources[i].name, "CAM%d", i + 1);
  }
  std::memset(data.hostName, 'h', sizeof data.hostName);  // no NUL
  data.window = 2;
  data.x = -20;
  data.color = 0x030201;
  std::strcpy(data.caption, "Gate\x01");
  const std::string text = vpihost::DescribeBlock(data);
  EXPECT_TRUE(Contains(text, "connections 1001 0 0 0 0 0 | 0 0 0 0"));
  EXPECT_TRUE(Contains(text, "windowShown 0 1 0 0 0 0 | 0 0 0 0"));
  EXPECT_TRUE(Contains(text, "regionMap   W2:0,3"));
  EXPECT_TRUE(Contains(text, "numSources 12: 1=\"CAM1\" (id 100)"));
  EXPECT_TRUE(Contains(text, "10=\"CAM10\" (id 109)\n"));
  EXPECT_TRUE(Contains(text, "hostName \"" + std::string(kHostNameSize, 'h') + "\""));
  EXPECT_TRUE(Contains(text, "WINDOW 3 (window 2)"));
  EXPECT_TRUE(Contains(text, "X -20"));
  EXPECT_TRUE(Contains(text, "COLOR 0x030201 (r 1, g 2, b 3)"));
  EXPECT_TRUE(Contains(text, "CAPTION \"Gate\\x01\""));
  EXPECT_TRUE(Contains(text, "library functions bound: 0 of 18"));
}

TEST(BannerText, CodePage437FrameBecomesBoxCharacters) {
  const std::string banner = "\xDA\xC4\xBF\n\xB3 \xDB\xB2\xB1\xB0 \xB3\n\xC0\xC4\xD9\x80\n";
  EXPECT_EQ(vpihost::BannerToTerminal(banner, false), "┌─┐\n│ █▓▒░ │\n└─┘?\n");
  EXPECT_EQ(vpihost::BannerToTerminal(banner, true), "+-+\n| ##:. |\n+-+?\n");
}

}  // namespace
