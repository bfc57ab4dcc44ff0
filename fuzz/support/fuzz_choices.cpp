#include "fuzz_choices.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "address/vocabulary.h"
#include "rvideo-sim/rvsim.h"

namespace vpifuzz {
namespace {

using vpi::FunctionTable;
using vpi::kFunctionTableSize;
using vpi::kParameterTableSize;
using vpi::ParameterTable;

constexpr int kAddressCount = kFunctionTableSize + kParameterTableSize;

// The 43 names in the order of the two tables, one after the other.
const char* AddressName(int index) {
  return index < kFunctionTableSize ? FunctionTable[index]
                                    : ParameterTable[index - kFunctionTableSize];
}

const char kThreeSources[] =
    "source 7 North Door\n"
    "source 8 Car Park\n"
    "source 9 Lobby\n";

const char kTwelveSources[] =
    "source 101 CAM1\nsource 102 CAM2\nsource 103 CAM3\nsource 104 CAM4\n"
    "source 105 CAM5\nsource 106 CAM6\nsource 107 CAM7\nsource 108 CAM8\n"
    "source 109 CAM9\nsource 110 CAM10\nsource 111 CAM11\nsource 112 CAM12\n";

const char kLongNames[] =
    "source 1 "
    "A123456789B123456789C123456789D123456789E123456789F123456789G123456789H12345678\n"
    "source 2 CAM with blanks and a very long name that goes on\n"
    "source 3 CAM3\n";

const char kAwkwardNames[] =
    "source 1 CAM1\n"
    "source 2 CAM1\n"
    "source 3 (x,y)\n"
    "source 4 a,b\n"
    "source 5 cam5\n"
    "source -1 MINUS\n";

const char kFewConnections[] = "limit 8\n";

}  // namespace

const char* ChooseServer(uint8_t choice) {
  switch (choice % 7) {
    case 1:
      return "no-sources\n";
    case 2:
      return kThreeSources;
    case 3:
      return kTwelveSources;
    case 4:
      return kLongNames;
    case 5:
      return kAwkwardNames;
    case 6:
      return kFewConnections;
    default:
      return nullptr;
  }
}

void ConfigureServer(uint8_t choice) {
  RvSimSetNetwork(0);  // host names from the input never leave the process
  RvSimSetTracing(0);  // the fuzzers read counters only
  if (RvSimConfigure(ChooseServer(choice)) != 0) {
    std::fprintf(stderr, "simulator refused configuration %d: %s\n", choice % 7,
                 RvSimConfigError());
    std::abort();
  }
}

std::string ChooseAddress(FuzzInput& input) {
  const uint8_t choice = input.Byte();
  const int index = choice & 0x3F;
  std::string address =
      index < kAddressCount ? std::string("!") + AddressName(index) : input.Line();
  if ((choice & 0x40) != 0) {
    for (char& c : address) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  if ((choice & 0x80) != 0) address += ' ';
  return address;
}

int32_t ChooseType(uint8_t choice) {
  static const int32_t kTypes[] = {1, 5, 6, 7, 1, 6, 7, 0, 2, -1};
  constexpr unsigned kCount = sizeof kTypes / sizeof kTypes[0];
  if (choice >= 250) return static_cast<int32_t>(choice) << 8;
  return kTypes[choice % kCount];
}

void RequireNothingBroken(const std::string& broken, const std::string& where) {
  if (broken.empty()) return;
  std::fprintf(stderr, "\n*** invariant broken %s: %s\n", where.c_str(), broken.c_str());
  std::abort();
}

}  // namespace vpifuzz
