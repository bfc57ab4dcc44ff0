// The program's malloc, calloc, realloc and free: they count, then hand the
// request to the next definition in the lookup order (the C library's, or a
// sanitizer runtime's). Everything in the process allocates through them.
#include <dlfcn.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "allocation_counter.h"

namespace {

using MallocFn = void* (*)(size_t);
using FreeFn = void (*)(void*);
using CallocFn = void* (*)(size_t, size_t);
using ReallocFn = void* (*)(void*, size_t);

struct NextFunctions {
  MallocFn malloc;
  FreeFn free;
  CallocFn calloc;
  ReallocFn realloc;
};

NextFunctions next{};
bool resolving = false;

// Looking the next functions up may itself need memory: it comes from this
// arena, which is never given back.
alignas(16) char arena[8192];
size_t arenaUsed = 0;

bool InArena(const void* block) {
  const char* byte = static_cast<const char*>(block);
  return byte >= arena && byte < arena + sizeof arena;
}

void* ArenaAllocate(size_t size) {
  const size_t rounded = (size + 15) & ~size_t{15};
  if (rounded < size || rounded > sizeof arena - arenaUsed) return nullptr;
  void* block = arena + arenaUsed;
  arenaUsed += rounded;
  return block;
}

template <typename Fn>
Fn Next(const char* name) {
  return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

bool Resolved() {
  if (next.malloc != nullptr) return true;
  if (resolving) return false;
  resolving = true;
  next.free = Next<FreeFn>("free");
  next.calloc = Next<CallocFn>("calloc");
  next.realloc = Next<ReallocFn>("realloc");
  next.malloc = Next<MallocFn>("malloc");
  resolving = false;
  return next.malloc != nullptr;
}

}  // namespace

namespace alloctest {

bool MallocCounted() {
  return true;
}

}  // namespace alloctest

extern "C" {

// With the program's malloc in between, the leak checker no longer sees the
// loader's own bookkeeping for a library that is never unloaded as the
// loader's: it is named here. (Read only in sanitizer builds.)
const char* __lsan_default_suppressions() {
  return "leak:dl_open_worker\n";
}

void* malloc(size_t size) noexcept {
  if (!Resolved()) return ArenaAllocate(size);
  alloctest::NoteMalloc();
  return next.malloc(size);
}

void* calloc(size_t count, size_t size) noexcept {
  if (!Resolved()) {
    if (size != 0 && count > static_cast<size_t>(-1) / size) return nullptr;
    return ArenaAllocate(count * size);  // the arena starts zeroed and is never reused
  }
  alloctest::NoteMalloc();
  return next.calloc(count, size);
}

void* realloc(void* block, size_t size) noexcept {
  if (InArena(block)) {
    void* moved = malloc(size);
    const size_t available = static_cast<size_t>(arena + sizeof arena - static_cast<char*>(block));
    if (moved != nullptr) std::memcpy(moved, block, size < available ? size : available);
    return moved;
  }
  if (!Resolved()) return ArenaAllocate(size);
  alloctest::NoteMalloc();
  return next.realloc(block, size);
}

void free(void* block) noexcept {
  if (block == nullptr || InArena(block)) return;
  if (Resolved()) next.free(block);
}

}  // extern "C"
