// Windows side: the stack protector's guard and its failure handlers, here
// instead of in the compiler's protector library, whose own guard set-up
// would make the driver import one more system DLL. The fortified memory
// and string functions of that library report through __chk_fail below.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "platform/stack_guard.h"

extern "C" {
// Read by every guarded function's prologue and epilogue.
uintptr_t __stack_chk_guard = 0x5f3759dfu;  // NOLINT(bugprone-reserved-identifier)
[[noreturn]] void __stack_chk_fail();       // NOLINT(bugprone-reserved-identifier)
[[noreturn]] void __chk_fail();             // NOLINT(bugprone-reserved-identifier)
}

namespace vpi::platform {
namespace {

// The process's stack or buffer was overrun: end it before anything else
// runs on the damaged state, with the system's code for that case.
[[noreturn]] void EndProcessOnOverrun() {
  constexpr UINT kStackBufferOverrun = 0xC0000409u;
  TerminateProcess(GetCurrentProcess(), kStackBufferOverrun);
  for (;;) {
  }
}

constexpr uint32_t Mix(uint32_t h, uint32_t v) {
  h ^= v + 0x9e3779b9u + (h << 6) + (h >> 2);
  h ^= h >> 16;
  h *= 0x85ebca6bu;
  h ^= h >> 13;
  return h;
}

// A value no one outside the process can know: time, counters, ids and the
// places the system chose for this process's stack and the driver.
VPI_UNGUARDED uint32_t FreshGuard() {
  FILETIME time{};
  GetSystemTimeAsFileTime(&time);
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  uint32_t h = 0x243f6a88u;
  h = Mix(h, time.dwLowDateTime);
  h = Mix(h, time.dwHighDateTime);
  h = Mix(h, static_cast<uint32_t>(counter.LowPart));
  h = Mix(h, static_cast<uint32_t>(counter.HighPart));
  h = Mix(h, GetCurrentProcessId());
  h = Mix(h, GetCurrentThreadId());
  h = Mix(h, GetTickCount());
  h = Mix(h, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&time)));
  h = Mix(h, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&__stack_chk_guard)));
  // A zero low byte stops a string copy from reading or writing the guard.
  return (h & 0xFFFFFF00u) != 0 ? (h & 0xFFFFFF00u) : 0x2f8e3c00u;
}

enum : int { kUnarmed, kArming, kArmed };
std::atomic<int> armState{kUnarmed};

}  // namespace

VPI_UNGUARDED void ArmStackGuard() {
  if (armState.load(std::memory_order_acquire) == kArmed) return;
  int expected = kUnarmed;
  if (armState.compare_exchange_strong(expected, kArming, std::memory_order_acq_rel)) {
    __stack_chk_guard = FreshGuard();
    armState.store(kArmed, std::memory_order_release);
    return;
  }
  while (armState.load(std::memory_order_acquire) != kArmed) Sleep(0);
}

}  // namespace vpi::platform

extern "C" void __stack_chk_fail() {  // NOLINT(bugprone-reserved-identifier)
  vpi::platform::EndProcessOnOverrun();
}

extern "C" void __chk_fail() {  // NOLINT(bugprone-reserved-identifier)
  vpi::platform::EndProcessOnOverrun();
}
