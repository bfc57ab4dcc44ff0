#include "address/vocabulary.h"

#include <cstdint>
#include <cstring>

namespace vpi {

constexpr const char* const FunctionTable[kFunctionTableSize] = {
    "FMODE",       "FCOLORKEY",   "FHUE",        "FSATURATION", "FCONTRAST",
    "FBRIGHTNESS", "FZOOM",       "FCAPTION",    "FZORDER",     "FPOSITION",
    "FHIDEVIDEO",  "FSTILLVIDEO", "FMOTION",     "FSELECT",     "FSOURCEINFO",
    "FSTATUS1",    "FSTATUS2",    "FSTATUS3",    "FSTATUS4",    "FSTATUS5",
    "FSTATUS6",    "FRESULT",     "FNUMSOURCES", "FSHOWWINDOW", "FHIDESOURCE",
};

constexpr const char* const ParameterTable[kParameterTableSize] = {
    "WINDOW",   "SOURCE",     "X",   "Y",      "WIDTH",   "HEIGHT",
    "ZORDER",   "ZX",         "ZY",  "ZWIDTH", "ZHEIGHT", "BRIGHTNESS",
    "CONTRAST", "SATURATION", "HUE", "MODE",   "CAPTION", "COLOR",
};

constexpr NameGroup kFunctionNames = {FunctionTable + 0, 15, 6};
constexpr NameGroup kStatusNames = {FunctionTable + 15, 6, 6};
constexpr NameGroup kResultNames = {FunctionTable + 21, 2, 5};
constexpr NameGroup kWindowItems = {FunctionTable + 23, 2, 7};
constexpr NameGroup kParameterNames = {ParameterTable + 0, 16, 1};
constexpr NameGroup kTextParameters = {ParameterTable + 16, 2, 7};

int FindInGroup(const NameGroup& group, const char* name) {
  for (int i = 0; i < group.count; ++i) {
    if (std::strcmp(group.names[i], name) == 0) return i;
  }
  return -1;
}

namespace {

constexpr int kVocabularySize = kFunctionTableSize + kParameterTableSize;

struct IndexedName {
  const char* text;
  const NameGroup* group;
  uint8_t length;
  uint8_t position;
};

// All names ordered by length (table order within a length), and where the
// names of each length begin: those of length n are [first[n], first[n + 1]).
struct NameIndex {
  IndexedName names[kVocabularySize];
  uint8_t firstOfLength[kLongestName + 2];
};

constexpr uint8_t TextLength(const char* text) {
  uint8_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

constexpr NameIndex BuildNameIndex() {
  const NameGroup* const groups[] = {&kFunctionNames,  &kStatusNames,    &kResultNames,
                                     &kParameterNames, &kTextParameters, &kWindowItems};
  IndexedName all[kVocabularySize] = {};
  int count = 0;
  for (const NameGroup* group : groups) {
    for (int position = 0; position < group->count; ++position) {
      const char* text = group->names[position];
      all[count++] = {text, group, TextLength(text), static_cast<uint8_t>(position)};
    }
  }
  NameIndex index = {};
  int next = 0;
  for (int length = 0; length <= kLongestName + 1; ++length) {
    index.firstOfLength[length] = static_cast<uint8_t>(next);
    for (const IndexedName& name : all) {
      if (name.length == length) index.names[next++] = name;
    }
  }
  return index;
}

constexpr NameIndex kNameIndex = BuildNameIndex();
static_assert(kNameIndex.firstOfLength[1] == 0, "no name is empty");
static_assert(kNameIndex.firstOfLength[kLongestName + 1] == kVocabularySize,
              "every name has 1 to kLongestName characters, and every name is in a group");

// Names of one length differ mostly towards their end (FSTATUS1 to 6).
bool SameText(const char* name, const char* text, int length) {
  for (int i = length - 1; i >= 0; --i) {
    if (name[i] != text[i]) return false;
  }
  return true;
}

}  // namespace

NamePlace FindName(const char* name) {
  int length = 0;
  while (length <= kLongestName && name[length] != '\0') ++length;
  if (length > kLongestName) return {nullptr, -1};
  const int end = kNameIndex.firstOfLength[length + 1];
  for (int i = kNameIndex.firstOfLength[length]; i < end; ++i) {
    const IndexedName& entry = kNameIndex.names[i];
    if (SameText(entry.text, name, length)) return {entry.group, entry.position};
  }
  return {nullptr, -1};
}

}  // namespace vpi
