// The read and write slots take the name from the host's own address text:
// texts too long to name anything are refused without a device call and
// without reading past the longest name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange_fixture.h"

namespace {

using exchangetest::ExchangeTest;

class RequestNameTest : public ExchangeTest {
 protected:
  void SetUp() override {
    ExchangeTest::SetUp();
    Connect();
  }

  // Calls `slot` with the address in a heap buffer of exactly its bytes (no
  // NUL added), so that the sanitizer build sees any read beyond them.
  int32_t CallWithBuffer(uint32_t slot, const std::vector<char>& address, int32_t valueType,
                         void* value) {
    std::vector<char> text = address;
    VpiRequest request{};
    request.addressText = text.data();
    request.valueType = valueType;
    request.value = value;
    return station.Call(slot, &request);
  }

  static std::vector<char> Bytes(const std::string& text, bool terminated) {
    std::vector<char> bytes(text.begin(), text.end());
    if (terminated) bytes.push_back('\0');
    return bytes;
  }
};

TEST_F(RequestNameTest, TextsLongerThanAnyNameAreRefused) {
  VpiValue cell{};
  cell.value32 = 77;
  for (const std::string& text :
       {"!FRESULT" + std::string(30, ' '), std::string("!FRESULTS"), "!" + std::string(40, 'X')}) {
    EXPECT_EQ(CallWithBuffer(5, Bytes(text, true), 0, &cell), VPI_INVALID) << text;
    EXPECT_EQ(cell.value32, 77) << text;
    EXPECT_EQ(station.WriteNumber(text, VPI_TYPE_INT16, 5), VPI_INVALID) << text;
    EXPECT_EQ(station.WriteNumber(text, VPI_TYPE_FLAG, 1), VPI_INVALID) << text;
  }
  EXPECT_EQ(+station.data().x, 0);
  EXPECT_EQ(Trace(), "");
}

TEST_F(RequestNameTest, UnterminatedTextIsReadNoFurtherThanTheLongestName) {
  VpiValue cell{};
  const std::vector<char> unterminated = Bytes("!FNUMSOURCESFNUMSOURCES", false);
  EXPECT_EQ(CallWithBuffer(5, unterminated, 0, &cell), VPI_INVALID);
  EXPECT_EQ(CallWithBuffer(7, unterminated, VPI_TYPE_FLAG, &cell), VPI_INVALID);
  EXPECT_EQ(Trace(), "");
}

TEST_F(RequestNameTest, EmptyTextAndBareMarkNameNothing) {
  VpiValue cell{};
  for (const std::string& text : {std::string(), std::string("!")}) {
    EXPECT_EQ(CallWithBuffer(5, Bytes(text, true), 0, &cell), VPI_INVALID);
    cell.half.value16 = 1;
    EXPECT_EQ(CallWithBuffer(7, Bytes(text, true), VPI_TYPE_FLAG, &cell), VPI_INVALID);
  }
  EXPECT_EQ(Trace(), "");
}

}  // namespace
