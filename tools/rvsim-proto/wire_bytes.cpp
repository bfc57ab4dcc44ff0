#include "wire_bytes.h"

#include <cstring>

namespace rvproto {

void ByteWriter::Put(uint64_t value, size_t bytes) {
  if (!ok_ || capacity_ - size_ < bytes) {
    ok_ = false;
    return;
  }
  for (size_t i = 0; i < bytes; ++i) buffer_[size_ + i] = static_cast<uint8_t>(value >> (8 * i));
  size_ += bytes;
}

void ByteWriter::Text(const std::string& text, size_t max) {
  if (text.size() > max || text.size() >= kNullText) {
    ok_ = false;
    return;
  }
  U16(static_cast<uint16_t>(text.size()));
  if (!ok_ || capacity_ - size_ < text.size()) {
    ok_ = false;
    return;
  }
  if (!text.empty()) std::memcpy(buffer_ + size_, text.data(), text.size());
  size_ += text.size();
}

void ByteWriter::PatchU32(size_t offset, uint32_t value) {
  if (offset > size_ || size_ - offset < 4) {
    ok_ = false;
    return;
  }
  for (size_t i = 0; i < 4; ++i) buffer_[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t ByteReader::Get(size_t bytes) {
  if (!ok_ || size_ - offset_ < bytes) {
    ok_ = false;
    return 0;
  }
  uint64_t value = 0;
  for (size_t i = 0; i < bytes; ++i) value |= static_cast<uint64_t>(data_[offset_ + i]) << (8 * i);
  offset_ += bytes;
  return value;
}

std::string ByteReader::Text(size_t max, bool* isNull) {
  const uint16_t length = U16();
  if (isNull != nullptr) *isNull = false;
  if (ok_ && length == kNullText && isNull != nullptr) {
    *isNull = true;
    return std::string();
  }
  if (!ok_ || length > max || size_ - offset_ < length) {
    ok_ = false;
    return std::string();
  }
  const char* start = reinterpret_cast<const char*>(data_ + offset_);
  if (std::memchr(start, '\0', length) != nullptr) {
    ok_ = false;
    return std::string();
  }
  offset_ += length;
  return std::string(start, length);
}

}  // namespace rvproto
