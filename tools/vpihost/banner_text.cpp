#include "banner_text.h"

namespace vpihost {
namespace {

struct Glyph {
  const char* utf8;
  unsigned char code;
  char ascii;
};

const Glyph kGlyphs[] = {
    {"░", 0xB0, '.'}, {"▒", 0xB1, ':'}, {"▓", 0xB2, '#'}, {"│", 0xB3, '|'}, {"┐", 0xBF, '+'},
    {"└", 0xC0, '+'}, {"─", 0xC4, '-'}, {"┘", 0xD9, '+'}, {"┌", 0xDA, '+'}, {"█", 0xDB, '#'},
};

}  // namespace

std::string BannerToTerminal(const std::string& cp437, bool ascii) {
  std::string out;
  for (char c : cp437) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
      continue;
    }
    const Glyph* found = nullptr;
    for (const Glyph& g : kGlyphs) {
      if (g.code == byte) found = &g;
    }
    if (found == nullptr) {
      out += '?';
    } else if (ascii) {
      out += found->ascii;
    } else {
      out += found->utf8;
    }
  }
  return out;
}

}  // namespace vpihost
