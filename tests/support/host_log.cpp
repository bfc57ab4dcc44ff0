#include "support/host_log.h"

#include <cstdint>
#include <cstdlib>

#include "platform/platform.h"

namespace vpitest {
namespace {

using SinkFn = void (*)(void*, int, const char*);
using SetSinkFn = void (*)(SinkFn, void*);

void* Standin(const char* name) {
  static vpi::platform::LibraryHandle library =
      vpi::platform::OpenLibrary(VPI_STANDIN_FILE, nullptr);
  void* symbol = library != nullptr ? vpi::platform::LibrarySymbol(library, name) : nullptr;
  if (symbol == nullptr) std::abort();  // the stand-in is built beside every test
  return symbol;
}

template <typename Fn>
Fn StandinFunction(const char* name) {
  return reinterpret_cast<Fn>(Standin(name));
}

}  // namespace

HostLogCapture::HostLogCapture() {
  StandinFunction<SetSinkFn>("QelStandinSetSink")(&HostLogCapture::Receive, this);
}

HostLogCapture::~HostLogCapture() {
  StandinFunction<SetSinkFn>("QelStandinSetSink")(nullptr, nullptr);
}

void HostLogCapture::Receive(void* context, int level, const char* line) {
  static_cast<HostLogCapture*>(context)->lines_.push_back({level, line});
}

void StandinSetVersion(unsigned version) {
  StandinFunction<void (*)(uint16_t)>("QelStandinSetVersion")(static_cast<uint16_t>(version));
}

void StandinSetLevelMask(uint32_t mask) {
  StandinFunction<void (*)(uint32_t)>("QelStandinSetLevelMask")(mask);
}

void StandinSetClientFailure(bool fail) {
  StandinFunction<void (*)(int)>("QelStandinSetClientFailure")(fail ? 1 : 0);
}

std::string StandinCallLog() {
  return StandinFunction<const char* (*)()>("QelStandinCallLog")();
}

void StandinClearCallLog() {
  StandinFunction<void (*)()>("QelStandinClearCallLog")();
}

}  // namespace vpitest
