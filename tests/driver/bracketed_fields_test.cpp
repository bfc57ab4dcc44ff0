#include "exchange/bracketed_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vpi;

constexpr size_t kCapacity = 8;

struct Split {
  int taken;
  std::vector<std::string> fields;
};

Split SplitInto(const char* text, int count) {
  std::vector<char> buffer(static_cast<size_t>(count) * kCapacity, 'Z');
  Split split;
  split.taken = SplitBracketedFields(text, buffer.data(), count, kCapacity);
  for (int k = 0; k < count; ++k) {
    const char* field = buffer.data() + k * kCapacity;
    split.fields.emplace_back(field, strnlen(field, kCapacity));
  }
  return split;
}

using Fields = std::vector<std::string>;

TEST(SplitBracketedFields, TakesFieldsAfterTheFirstOpeningBracket) {
  Split s = SplitInto("xx(1,22,333)", 3);
  EXPECT_EQ(s.taken, 3);
  EXPECT_EQ(s.fields, (Fields{"1", "22", "333"}));

  s = SplitInto("(a(b,c)", 2);
  EXPECT_EQ(s.taken, 2);
  EXPECT_EQ(s.fields, (Fields{"a(b", "c"}));
}

TEST(SplitBracketedFields, EarlyCloseYieldsFewerFieldsAndZeroesTheRest) {
  const Split s = SplitInto("(1,2)", 4);
  EXPECT_EQ(s.taken, 2);
  EXPECT_EQ(s.fields, (Fields{"1", "2", "", ""}));
}

TEST(SplitBracketedFields, LongerListStopsAtCount) {
  const Split s = SplitInto("(1,2,3,4)", 3);
  EXPECT_EQ(s.taken, 3);
  EXPECT_EQ(s.fields, (Fields{"1", "2", "3"}));
}

TEST(SplitBracketedFields, EmptyFieldsAndBlanksAreKept) {
  const Split s = SplitInto("(, 7 ,)", 3);
  EXPECT_EQ(s.taken, 3);
  EXPECT_EQ(s.fields, (Fields{"", " 7 ", ""}));
  EXPECT_EQ(SplitInto("()", 3).taken, 1);
}

TEST(SplitBracketedFields, ListEndingBeforeAFieldClosesIsMalformed) {
  EXPECT_EQ(SplitInto(")(1,2", 3).taken, kFieldListMalformed);
  EXPECT_EQ(SplitInto("(1,2,3", 3).taken, kFieldListMalformed);
  EXPECT_EQ(SplitInto("(", 1).taken, kFieldListMalformed);
  EXPECT_EQ(SplitInto("no bracket", 3).taken, kFieldListMalformed);
}

TEST(SplitBracketedFields, FieldLongerThanItsBufferIsMalformed) {
  EXPECT_EQ(SplitInto("(1234567,1)", 2).taken, 2);  // 7 characters fit 8 bytes
  EXPECT_EQ(SplitInto("(12345678,1)", 2).taken, kFieldListMalformed);
  EXPECT_EQ(SplitInto("(1,12345678)", 2).taken, kFieldListMalformed);
}

// One table for the number reader: the blanks it skips (space and the
// control characters tab to carriage return, both ends of that range) and
// the characters just outside it, signs, digits and what ends them, and
// numbers cut to their low sixteen bits.
TEST(FieldToInt16, ReadsLikeAtoiCutToSixteenBits) {
  const struct {
    const char* field;
    int16_t value;
  } cases[] = {
      {"255", 255},
      {" 10", 10},
      {"\t10", 10},  // the first blank of the control range
      {"\n10", 10},
      {"\v10", 10},
      {"\f10", 10},
      {"\r10", 10},  // the last blank of the control range
      {"  \t\r 10", 10},
      {"\b10", 0},  // backspace, just below the range: not a blank
      {"\x0e"
       "10",
       0},  // shift-out, just above it
      {"\x1f"
       "10",
       0},
      {"-20", -20},
      {"\r-20", -20},
      {"+7", 7},
      {"12ab3", 12},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"32767", 32767},
      {"-32768", -32768},
      {"65536", 0},
      {"65537", 1},
      {"40000", static_cast<int16_t>(40000 - 65536)},
      {"-65535", 1},
      // Far beyond 32 and 64 bits: still the number modulo 2^16, no overflow.
      {"123456789012", 6676},
      {"99999999999999999999", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FieldToInt16(c.field), c.value) << testing::PrintToString(std::string(c.field));
  }
}

}  // namespace
