// FindName, the one-pass lookup, against the group searches it replaces.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "address/address_name.h"
#include "address/vocabulary.h"

namespace {

using namespace vpi;

const NameGroup* const kGroups[] = {&kFunctionNames,  &kStatusNames,    &kResultNames,
                                    &kParameterNames, &kTextParameters, &kWindowItems};

// Every name, and texts close to one: cut short, one byte longer, last byte
// changed, lower case, with the "!" still on.
std::vector<std::string> Probes() {
  std::vector<std::string> probes = {
      "", "!", " ", "FSTATUS", "FSTATUS7", "FSTATUS0", "FSATURATIONS", "WINDOWWINDOW", "X ", " X"};
  for (const NameGroup* group : kGroups) {
    for (int i = 0; i < group->count; ++i) {
      const std::string name = group->names[i];
      std::string lower = name;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      std::string changed = name;
      changed.back() = static_cast<char>(changed.back() + 1);
      probes.insert(probes.end(), {name, name.substr(0, name.size() - 1), name + "S", changed,
                                   lower, "!" + name});
    }
  }
  return probes;
}

TEST(NameLookup, AgreesWithEveryGroupSearch) {
  auto data = std::make_unique<DriverData>();
  for (const std::string& probe : Probes()) {
    const NamePlace place = FindName(probe.c_str());
    std::snprintf(data->address, sizeof data->address, "%s", probe.c_str());
    int holders = 0;
    for (const NameGroup* group : kGroups) {
      const int position = FindInGroup(*group, probe.c_str());
      EXPECT_EQ(NameInGroup(data.get(), *group), position >= 0) << probe;
      if (position < 0) continue;
      ++holders;
      EXPECT_EQ(place.group, group) << probe;
      EXPECT_EQ(place.position, position) << probe;
    }
    if (holders == 0) {
      EXPECT_EQ(place.group, nullptr) << probe;
      EXPECT_EQ(place.position, -1) << probe;
    }
  }
}

TEST(NameLookup, FindsAllFortyThreeNamesInTheirPlaces) {
  int found = 0;
  for (const NameGroup* group : kGroups) {
    for (int i = 0; i < group->count; ++i) {
      const NamePlace place = FindName(group->names[i]);
      EXPECT_EQ(place.group, group) << group->names[i];
      EXPECT_EQ(place.position, i) << group->names[i];
      ++found;
    }
  }
  EXPECT_EQ(found, kFunctionTableSize + kParameterTableSize);
  EXPECT_EQ(FindName("FHIDESOURCE").group, &kWindowItems);
  EXPECT_EQ(FindName("FHIDESOURCE").position, kFHideSource);
  EXPECT_EQ(FindName("MODE").position, 15);
}

// A text without a NUL in its first bytes is read no further than one byte
// past the longest name (the sanitizer build checks the heap bound).
TEST(NameLookup, ReadsNoMoreThanTheLongestNameAndOneByte) {
  const std::vector<char> longest = {'F', 'S', 'H', 'O', 'W', 'W', 'I', 'N', 'D', 'O', 'W', '\0'};
  EXPECT_EQ(FindName(longest.data()).group, &kWindowItems);
  const std::vector<char> unterminated(kLongestName + 1, 'X');
  EXPECT_EQ(FindName(unterminated.data()).group, nullptr);
}

}  // namespace
