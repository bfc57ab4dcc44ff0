// A host-owned buffer as the driver sees it: exactly `size` usable bytes,
// with guard bytes of a known value on both sides.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vpifuzz {

class GuardedBuffer {
 public:
  explicit GuardedBuffer(size_t size = 0);
  ~GuardedBuffer();
  GuardedBuffer(const GuardedBuffer&) = delete;
  GuardedBuffer& operator=(const GuardedBuffer&) = delete;

  // A NUL-terminated text in a buffer of exactly its length plus one.
  static void HoldText(GuardedBuffer* buffer, const std::string& text);

  void Resize(size_t size);
  unsigned char* data() { return storage_.data() + kGuard; }
  const unsigned char* data() const { return storage_.data() + kGuard; }
  char* text() { return reinterpret_cast<char*>(data()); }
  size_t size() const { return size_; }

  // True while every guard byte still holds its value.
  bool GuardsIntact() const;

 private:
  static constexpr size_t kGuard = 64;  // keeps the buffer 8-byte aligned
  void Poison() const;
  void Unpoison() const;

  size_t size_ = 0;
  std::vector<unsigned char> storage_;
};

}  // namespace vpifuzz
