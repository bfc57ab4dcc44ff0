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

// A name of at most twelve bytes as two numbers: byte i in bits 8 * i of
// `low` (bytes 0-7) or `high` (bytes 8-11), the rest zero. Two texts of the
// same length are equal exactly when their keys are.
struct NameKey {
  uint64_t low;
  uint64_t high;
};

constexpr void AddKeyByte(NameKey* key, int at, unsigned char byte) {
  if (at < 8) {
    key->low |= uint64_t{byte} << (8 * at);
  } else {
    key->high |= uint64_t{byte} << (8 * (at - 8));
  }
}

struct IndexedName {
  NameKey key;
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

constexpr IndexedName IndexName(const NameGroup* group, int position) {
  IndexedName name = {{0, 0}, group, 0, static_cast<uint8_t>(position)};
  const char* text = group->names[position];
  for (; text[name.length] != '\0'; ++name.length) {
    AddKeyByte(&name.key, name.length, static_cast<unsigned char>(text[name.length]));
  }
  return name;
}

constexpr NameIndex BuildNameIndex() {
  const NameGroup* const groups[] = {&kFunctionNames,  &kStatusNames,    &kResultNames,
                                     &kParameterNames, &kTextParameters, &kWindowItems};
  IndexedName all[kVocabularySize] = {};
  int count = 0;
  for (const NameGroup* group : groups) {
    for (int position = 0; position < group->count; ++position) {
      all[count++] = IndexName(group, position);
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
static_assert(kLongestName < 16, "a name fits its key");

}  // namespace

NamePlace FindName(const char* name) {
  NameKey key = {0, 0};
  int length = 0;
  for (; length <= kLongestName && name[length] != '\0'; ++length) {
    AddKeyByte(&key, length, static_cast<unsigned char>(name[length]));
  }
  if (length > kLongestName) return {nullptr, -1};
  const int end = kNameIndex.firstOfLength[length + 1];
  for (int i = kNameIndex.firstOfLength[length]; i < end; ++i) {
    const IndexedName& entry = kNameIndex.names[i];
    if (entry.key.low == key.low && entry.key.high == key.high) {
      return {entry.group, entry.position};
    }
  }
  return {nullptr, -1};
}

}  // namespace vpi
