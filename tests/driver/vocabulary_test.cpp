#include "address/vocabulary.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

namespace {

using namespace vpi;

TEST(Vocabulary, FortyThreeDistinctUpperCaseNames) {
  std::set<std::string> names;
  auto check = [&names](const char* name) {
    const size_t length = std::strlen(name);
    EXPECT_GE(length, 1u);
    EXPECT_LE(length, static_cast<size_t>(kLongestName));
    for (const char* c = name; *c != '\0'; ++c) {
      EXPECT_TRUE(std::isupper(static_cast<unsigned char>(*c)) ||
                  std::isdigit(static_cast<unsigned char>(*c)))
          << name;
    }
    names.insert(name);
  };
  for (const char* name : FunctionTable) check(name);
  for (const char* name : ParameterTable) check(name);
  EXPECT_EQ(names.size(), 43u);
}

TEST(Vocabulary, GroupsPartitionBothTablesWithTheirTypes) {
  struct Expect {
    const NameGroup* group;
    const char* first;
    const char* last;
    int count;
    int32_t type;
  };
  const Expect groups[] = {
      {&kFunctionNames, "FMODE", "FSOURCEINFO", 15, 6},
      {&kStatusNames, "FSTATUS1", "FSTATUS6", 6, 6},
      {&kResultNames, "FRESULT", "FNUMSOURCES", 2, 5},
      {&kWindowItems, "FSHOWWINDOW", "FHIDESOURCE", 2, 7},
      {&kParameterNames, "WINDOW", "MODE", 16, 1},
      {&kTextParameters, "CAPTION", "COLOR", 2, 7},
  };
  for (const Expect& e : groups) {
    EXPECT_EQ(e.group->count, e.count) << e.first;
    EXPECT_EQ(e.group->dataType, e.type) << e.first;
    EXPECT_STREQ(e.group->names[0], e.first);
    EXPECT_STREQ(e.group->names[e.count - 1], e.last);
  }
  EXPECT_EQ(kFunctionNames.count + kStatusNames.count + kResultNames.count + kWindowItems.count,
            kFunctionTableSize);
  EXPECT_EQ(kParameterNames.count + kTextParameters.count, kParameterTableSize);
}

TEST(Vocabulary, LookupIsExactAndPositional) {
  EXPECT_EQ(FindInGroup(kFunctionNames, "FPOSITION"), kFPosition);
  EXPECT_EQ(FindInGroup(kFunctionNames, "FSELECT"), kFSelect);
  EXPECT_EQ(FindInGroup(kParameterNames, "HUE"), 14);
  EXPECT_EQ(FindInGroup(kFunctionNames, "fmode"), -1);
  EXPECT_EQ(FindInGroup(kFunctionNames, "FMOD"), -1);
  EXPECT_EQ(FindInGroup(kFunctionNames, "FMODE "), -1);
  EXPECT_EQ(FindInGroup(kStatusNames, "FSTATUS1"), 0);
  EXPECT_EQ(FindInGroup(kFunctionNames, "FSTATUS1"), -1);
}

}  // namespace
