// The 43 address names in their two ordered tables, and the six groups.
// Positions carry meaning for the read and write slots; every user takes
// its group from here.
#pragma once

#include <cstdint>

namespace vpi {

constexpr int kFunctionTableSize = 25;
constexpr int kParameterTableSize = 18;
constexpr int kLongestName = 11;

extern const char* const FunctionTable[kFunctionTableSize];
extern const char* const ParameterTable[kParameterTableSize];

// A contiguous range of one table, with the data type its names demand.
struct NameGroup {
  const char* const* names;
  int count;
  int32_t dataType;
};

extern const NameGroup kFunctionNames;   // FunctionTable 0-14, type 6
extern const NameGroup kStatusNames;     // FunctionTable 15-20, type 6
extern const NameGroup kResultNames;     // FunctionTable 21-22, type 5
extern const NameGroup kWindowItems;     // FunctionTable 23-24, type 7
extern const NameGroup kParameterNames;  // ParameterTable 0-15, type 1
extern const NameGroup kTextParameters;  // ParameterTable 16-17, type 7

// Positions within the groups.
enum FunctionCommand : int {
  kFMode = 0,
  kFColorKey,
  kFHue,
  kFSaturation,
  kFContrast,
  kFBrightness,
  kFZoom,
  kFCaption,
  kFZOrder,
  kFPosition,
  kFHideVideo,
  kFStillVideo,
  kFMotion,
  kFSelect,
  kFSourceInfo,
};
enum ResultItem : int { kFResult = 0, kFNumSources = 1 };
enum WindowItem : int { kFShowWindow = 0, kFHideSource = 1 };
enum TextParameter : int { kCaption = 0, kColor = 1 };

// Position of `name` in the group by exact byte comparison of whole texts,
// in table order; -1 when no name of the group equals it.
int FindInGroup(const NameGroup& group, const char* name);

// Where a name stands in the vocabulary: one of the six groups above and the
// position in it, or no group.
struct NamePlace {
  const NameGroup* group;  // null when no name equals the text
  int position;            // -1 when there is no group
};

// The place of the vocabulary name that equals `name` byte for byte, as a
// whole text. The names being distinct, this is the one name every group
// search would find, in one pass over the names of the text's length. Reads
// at most kLongestName + 1 bytes of `name`.
NamePlace FindName(const char* name);

}  // namespace vpi
