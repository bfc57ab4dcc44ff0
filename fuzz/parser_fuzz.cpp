// The address parser (slot 3): the first byte picks the data type the host
// asks for, the rest is the address text. Every answer is compared with a
// plain model of the parsing rules; the request record, the text and the
// block lie between guard bytes.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_choices.h"
#include "fuzz_input.h"
#include "host_station.h"

namespace {

using vpifuzz::FuzzInput;
using vpifuzz::HostRequest;
using vpifuzz::HostStation;
using vpifuzz::RequireNothingBroken;

struct ModelGroup {
  const char* names[15];
  int count;
  int32_t type;
  bool flagItem;
};

// In the parser's search order.
const ModelGroup kGroups[] = {
    {{"FMODE", "FCOLORKEY", "FHUE", "FSATURATION", "FCONTRAST", "FBRIGHTNESS", "FZOOM", "FCAPTION",
      "FZORDER", "FPOSITION", "FHIDEVIDEO", "FSTILLVIDEO", "FMOTION", "FSELECT", "FSOURCEINFO"},
     15,
     6,
     true},
    {{"FSTATUS1", "FSTATUS2", "FSTATUS3", "FSTATUS4", "FSTATUS5", "FSTATUS6"}, 6, 6, true},
    {{"FRESULT", "FNUMSOURCES"}, 2, 5, false},
    {{"WINDOW", "SOURCE", "X", "Y", "WIDTH", "HEIGHT", "ZORDER", "ZX", "ZY", "ZWIDTH", "ZHEIGHT",
      "BRIGHTNESS", "CONTRAST", "SATURATION", "HUE"},
     15,
     1,
     false},
    {{"MODE"}, 1, 1, false},
    {{"CAPTION", "COLOR"}, 2, 7, false},
    {{"FSHOWWINDOW", "FHIDESOURCE"}, 2, 7, false},
};

struct ModelAnswer {
  int32_t result;
  int32_t parseCode;
  bool addressWritten;
  char address[kAddressSize];
};

ModelAnswer Model(const std::string& text, int32_t type) {
  ModelAnswer answer{1, 16, false, {}};
  const size_t length = std::strlen(text.c_str());  // the host's text ends at its first NUL
  if (length == 0 || length >= kAddressSize || text[0] != '!') return answer;
  answer.addressWritten = true;
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<signed char>(text[i]);
    answer.address[i - 1] = static_cast<char>(byte >= 0x61 ? byte - 0x20 : byte);
  }
  for (const ModelGroup& group : kGroups) {
    for (int i = 0; i < group.count; ++i) {
      if (std::strcmp(group.names[i], answer.address) != 0) continue;
      if (type != group.type) return answer;
      answer.result = 0;
      if (group.flagItem) answer.parseCode = 1;
      return answer;
    }
  }
  return answer;
}

std::string Describe(const char* what, const std::string& text) {
  std::string hex;
  for (unsigned char c : text) {
    static const char kDigits[] = "0123456789abcdef";
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return std::string(what) + " for text " + hex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vpifuzz::QuietHostLog();
  FuzzInput input(data, size);
  const int32_t type = vpifuzz::ChooseType(input.Byte());
  const std::string text = input.Rest();

  HostStation station;
  const char kPrevious[] = "PREVIOUS";
  std::memcpy(station.data().address, kPrevious, sizeof kPrevious);
  HostRequest request(text);
  VpiRequest& record = request.record();
  record.requestedType = type;
  record.parseInfo1 = record.parseInfo2 = record.parseInfo3 = 0x5A5A5A5A;
  record.valueType = 0x5A5A5A5A;
  record.parseCode = 0x5A5A5A5A;
  const int32_t result = station.Call(3, &record);

  const ModelAnswer expected = Model(text, type);
  std::string broken;
  if (!station.GuardsIntact() || !request.GuardsIntact()) broken = "guard bytes overwritten";
  if (broken.empty() && result != expected.result) broken = "result differs from the model";
  if (broken.empty() && (record.parseInfo1 != 0 || record.parseInfo2 != 0 ||
                         record.parseInfo3 != 0 || record.valueType != -1)) {
    broken = "parse outputs not reset";
  }
  if (broken.empty() && record.parseCode != expected.parseCode) broken = "parseCode differs";
  if (broken.empty()) {
    const char* address = station.data().address;
    const bool same = expected.addressWritten
                          ? std::memcmp(address, expected.address, kAddressSize) == 0
                          : std::memcmp(address, kPrevious, sizeof kPrevious) == 0;
    if (!same) broken = "address field differs from the model";
  }
  RequireNothingBroken(broken.empty() ? broken : Describe(broken.c_str(), text), "in the parser");
  return 0;
}
