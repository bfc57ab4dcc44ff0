// Little-endian fields in a bounded buffer. A writer that runs out of room
// and a reader that runs past its end both stop and remember it; neither ever
// touches a byte outside the buffer it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rvproto {

// A text on the wire: u16 length, then the bytes (no NUL). This length marks
// a null text (a call made with a null pointer).
constexpr uint16_t kNullText = 0xFFFF;

class ByteWriter {
 public:
  ByteWriter(uint8_t* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {}

  void U8(uint8_t value) { Put(value, 1); }
  void U16(uint16_t value) { Put(value, 2); }
  void U32(uint32_t value) { Put(value, 4); }
  void U64(uint64_t value) { Put(value, 8); }
  void I16(int16_t value) { U16(static_cast<uint16_t>(value)); }
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  // At most `max` bytes of `text`; longer text fails the writer.
  void Text(const std::string& text, size_t max);
  void NullText() { U16(kNullText); }
  // Writes `value` at `offset` (already written), e.g. a length filled in last.
  void PatchU32(size_t offset, uint32_t value);

  size_t Size() const { return size_; }
  bool Ok() const { return ok_; }
  void Fail() { ok_ = false; }

 private:
  void Put(uint64_t value, size_t bytes);

  uint8_t* buffer_;
  size_t capacity_;
  size_t size_ = 0;
  bool ok_ = true;
};

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t U8() { return static_cast<uint8_t>(Get(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Get(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Get(4)); }
  uint64_t U64() { return Get(8); }
  int16_t I16() { return static_cast<int16_t>(U16()); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  // A text of at most `max` bytes holding no NUL; `isNull` (when given) learns
  // of a null text, which is refused when it is not given.
  std::string Text(size_t max, bool* isNull = nullptr);

  // True when every field was there and nothing is left over.
  bool Finished() const { return ok_ && offset_ == size_; }
  bool Ok() const { return ok_; }
  void Fail() { ok_ = false; }

 private:
  uint64_t Get(size_t bytes);

  const uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace rvproto
