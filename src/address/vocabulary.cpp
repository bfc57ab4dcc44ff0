#include "address/vocabulary.h"

#include <cstring>

namespace vpi {

const char* const FunctionTable[kFunctionTableSize] = {
    "FMODE",       "FCOLORKEY",   "FHUE",        "FSATURATION", "FCONTRAST",
    "FBRIGHTNESS", "FZOOM",       "FCAPTION",    "FZORDER",     "FPOSITION",
    "FHIDEVIDEO",  "FSTILLVIDEO", "FMOTION",     "FSELECT",     "FSOURCEINFO",
    "FSTATUS1",    "FSTATUS2",    "FSTATUS3",    "FSTATUS4",    "FSTATUS5",
    "FSTATUS6",    "FRESULT",     "FNUMSOURCES", "FSHOWWINDOW", "FHIDESOURCE",
};

const char* const ParameterTable[kParameterTableSize] = {
    "WINDOW",   "SOURCE",     "X",   "Y",      "WIDTH",   "HEIGHT",
    "ZORDER",   "ZX",         "ZY",  "ZWIDTH", "ZHEIGHT", "BRIGHTNESS",
    "CONTRAST", "SATURATION", "HUE", "MODE",   "CAPTION", "COLOR",
};

const NameGroup kFunctionNames = {FunctionTable + 0, 15, 6};
const NameGroup kStatusNames = {FunctionTable + 15, 6, 6};
const NameGroup kResultNames = {FunctionTable + 21, 2, 5};
const NameGroup kWindowItems = {FunctionTable + 23, 2, 7};
const NameGroup kParameterNames = {ParameterTable + 0, 16, 1};
const NameGroup kTextParameters = {ParameterTable + 16, 2, 7};

int FindInGroup(const NameGroup& group, const char* name) {
  for (int i = 0; i < group.count; ++i) {
    if (std::strcmp(group.names[i], name) == 0) return i;
  }
  return -1;
}

}  // namespace vpi
