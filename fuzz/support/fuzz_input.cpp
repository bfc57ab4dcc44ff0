#include "fuzz_input.h"

namespace vpifuzz {

uint8_t FuzzInput::Byte() {
  return empty() ? 0 : data_[position_++];
}

int16_t FuzzInput::Int16() {
  const unsigned low = Byte();
  const unsigned high = Byte();
  return static_cast<int16_t>(static_cast<uint16_t>(low | high << 8));
}

std::string FuzzInput::Line() {
  std::string line;
  while (!empty()) {
    const char c = static_cast<char>(data_[position_++]);
    if (c == '\n') break;
    line.push_back(c);
  }
  return line;
}

std::string FuzzInput::Rest() {
  std::string rest(reinterpret_cast<const char*>(data_) + position_, size_ - position_);
  position_ = size_;
  return rest;
}

}  // namespace vpifuzz
