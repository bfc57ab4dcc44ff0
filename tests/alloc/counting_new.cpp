// The program's global operator new and delete, counting every allocation.
#include <cstdlib>
#include <new>

#include "allocation_counter.h"

namespace {

void* Allocate(std::size_t size) noexcept {
  alloctest::NoteNew();
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size) {
  void* block = Allocate(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new[](std::size_t size) {
  void* block = Allocate(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
  return Allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
  return Allocate(size);
}

void operator delete(void* block) noexcept {
  std::free(block);
}

void operator delete[](void* block) noexcept {
  std::free(block);
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
  std::free(block);
}

void operator delete[](void* block, std::size_t /*size*/) noexcept {
  std::free(block);
}

void operator delete(void* block, const std::nothrow_t& /*tag*/) noexcept {
  std::free(block);
}

void operator delete[](void* block, const std::nothrow_t& /*tag*/) noexcept {
  std::free(block);
}
