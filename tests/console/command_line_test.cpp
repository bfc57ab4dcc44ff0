// Taking console lines apart, and the names of result and type codes.
#include "command_line.h"

#include <gtest/gtest.h>

#include "core/vpi_records.h"
#include "result_names.h"

namespace {

using vpihost::SplitCommandLine;

TEST(CommandLine, VerbArgumentsAndValueText) {
  const auto line = SplitCommandLine("  WRITE  !CAPTION   Main   gate  ");
  EXPECT_FALSE(line.empty);
  EXPECT_EQ(line.verb, "write");
  ASSERT_EQ(line.args.size(), 3u);
  EXPECT_EQ(line.args[0], "!CAPTION");
  EXPECT_EQ(line.TextFrom(1), "Main   gate");  // inner blanks kept
  EXPECT_EQ(line.TextFrom(3), "");
  EXPECT_FALSE(line.expects);
  EXPECT_EQ(SplitCommandLine("write !CAPTION \"  padded \"").TextFrom(1), "  padded ");
}

TEST(CommandLine, BlankAndCommentLines) {
  EXPECT_TRUE(SplitCommandLine("").empty);
  EXPECT_TRUE(SplitCommandLine(" \t\r").empty);
  const auto comment = SplitCommandLine("   # read !FRESULT => VPI_OK");
  EXPECT_TRUE(comment.comment);
  EXPECT_TRUE(comment.verb.empty());
  EXPECT_FALSE(comment.expects);
}

TEST(CommandLine, TrailingExpectationIsSplitOff) {
  const auto line = SplitCommandLine("write !FSHOWWINDOW (CAM1,0,0,640,480,1,Gate) => VPI_OK");
  EXPECT_TRUE(line.expects);
  EXPECT_EQ(line.expectation, "VPI_OK");
  EXPECT_EQ(line.TextFrom(1), "(CAM1,0,0,640,480,1,Gate)");
  EXPECT_TRUE(line.error.empty());
}

TEST(CommandLine, ArrowInsideAValueIsNoExpectation) {
  const auto glued = SplitCommandLine("write !CAPTION a=>b");
  EXPECT_FALSE(glued.expects);
  EXPECT_EQ(glued.TextFrom(1), "a=>b");
  const auto words = SplitCommandLine("write !CAPTION left => right side");
  EXPECT_FALSE(words.expects);
  EXPECT_EQ(words.TextFrom(1), "left => right side");
}

TEST(CommandLine, ExpectationWithoutResultOrCommandIsAnError) {
  EXPECT_FALSE(SplitCommandLine("read !FRESULT =>").error.empty());
  EXPECT_FALSE(SplitCommandLine("=> VPI_OK").error.empty());
}

TEST(ResultNames, CodesByNameAndNumber) {
  EXPECT_EQ(vpihost::ResultName(VPI_OK), "VPI_OK");
  EXPECT_EQ(vpihost::ResultName(VPI_CANCELLED), "VPI_CANCELLED");
  EXPECT_EQ(vpihost::ResultName(7), "7");
  int32_t code = -1;
  EXPECT_TRUE(vpihost::ParseResultCode("vpi_failed", &code));
  EXPECT_EQ(code, VPI_FAILED);
  EXPECT_TRUE(vpihost::ParseResultCode("53", &code));
  EXPECT_EQ(code, VPI_CANCELLED);
  EXPECT_FALSE(vpihost::ParseResultCode("VPI_MAYBE", &code));
  EXPECT_FALSE(vpihost::ParseResultCode("1x", &code));
}

TEST(ResultNames, TypesByNameAndNumber) {
  int32_t type = 0;
  EXPECT_TRUE(vpihost::ParseTypeCode("flag", &type));
  EXPECT_EQ(type, VPI_TYPE_FLAG);
  EXPECT_TRUE(vpihost::ParseTypeCode("VPI_TYPE_TEXT", &type));
  EXPECT_EQ(type, VPI_TYPE_TEXT);
  EXPECT_TRUE(vpihost::ParseTypeCode("2", &type));
  EXPECT_EQ(type, 2);
  EXPECT_FALSE(vpihost::ParseTypeCode("string", &type));
  EXPECT_EQ(vpihost::TypeName(VPI_TYPE_INT32), "INT32");
}

TEST(ResultNames, IntegersWithinBounds) {
  long long value = 0;
  EXPECT_TRUE(vpihost::ParseInteger("0x0101", 0, 65535, &value));
  EXPECT_EQ(value, 0x0101);
  EXPECT_TRUE(vpihost::ParseInteger("-32768", -32768, 65535, &value));
  EXPECT_FALSE(vpihost::ParseInteger("65536", -32768, 65535, &value));
  EXPECT_FALSE(vpihost::ParseInteger(" 5", 0, 9, &value));
  EXPECT_FALSE(vpihost::ParseInteger("", 0, 9, &value));
  EXPECT_FALSE(vpihost::ParseInteger("99999999999999999999", INT32_MIN, INT32_MAX, &value));
}

}  // namespace
