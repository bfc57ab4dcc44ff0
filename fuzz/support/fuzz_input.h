// Reads a fuzz input as a sequence of small decisions: bytes, 16-bit numbers
// and texts. An exhausted input yields zeros and empty texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vpifuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return position_ >= size_; }
  uint8_t Byte();
  int16_t Int16();  // little-endian
  // The bytes up to the next line feed (consumed, not returned) or the end.
  std::string Line();
  std::string Rest();

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

// The text as C code sees it: up to its first NUL, when it holds one.
inline std::string UpToNul(const std::string& text) {
  return text.substr(0, text.find('\0'));
}

}  // namespace vpifuzz
