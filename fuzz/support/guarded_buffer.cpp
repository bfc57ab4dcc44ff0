#include "guarded_buffer.h"

#include <cstring>

#include "memory_poison.h"

namespace vpifuzz {
namespace {

constexpr unsigned char kGuardByte = 0xA5;

bool AllGuard(const unsigned char* bytes, size_t count) {
  static const std::vector<unsigned char> guard(256, kGuardByte);
  return count <= guard.size() && std::memcmp(bytes, guard.data(), count) == 0;
}

}  // namespace

GuardedBuffer::GuardedBuffer(size_t size) {
  Resize(size);
}

GuardedBuffer::~GuardedBuffer() {
  Unpoison();
}

void GuardedBuffer::Resize(size_t size) {
  Unpoison();
  size_ = size;
  storage_.assign(size + 2 * kGuard, kGuardByte);
  std::memset(storage_.data() + kGuard, 0, size);
  Poison();
}

void GuardedBuffer::HoldText(GuardedBuffer* buffer, const std::string& text) {
  buffer->Resize(text.size() + 1);
  std::memcpy(buffer->data(), text.data(), text.size());
  buffer->data()[text.size()] = 0;
}

bool GuardedBuffer::GuardsIntact() const {
  Unpoison();
  const bool intact =
      AllGuard(storage_.data(), kGuard) && AllGuard(storage_.data() + kGuard + size_, kGuard);
  Poison();
  return intact;
}

void GuardedBuffer::Poison() const {
  if (storage_.empty()) return;
  PoisonMemory(storage_.data(), kGuard);
  PoisonMemory(storage_.data() + kGuard + size_, kGuard);
}

void GuardedBuffer::Unpoison() const {
  if (storage_.empty()) return;
  UnpoisonMemory(storage_.data(), storage_.size());
}

}  // namespace vpifuzz
