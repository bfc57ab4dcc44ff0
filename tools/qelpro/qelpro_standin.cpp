// Host stand-in library: lets the driver run outside the real host.
#include "qelpro_standin.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

struct StandinState {
  std::atomic<uint32_t> levelMask{0xFFFFFFFFu};  // read without the lock
  uint16_t version = 820;
  bool clientFails = false;
  uint8_t nextClient = 33;
  QelStandinSink sink = nullptr;
  void* sinkContext = nullptr;
  std::string callLog;
};

// A host calls its services from any thread: every entry below holds this
// lock. Recursive, so that a sink may call back into the stand-in.
std::recursive_mutex& StandinMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

void Configure(StandinState* state) {
  if (const char* mask = std::getenv("QELPRO_LEVELS")) {
    state->levelMask = static_cast<uint32_t>(std::strtoul(mask, nullptr, 0));
  }
  if (const char* version = std::getenv("QELPRO_VERSION")) {
    state->version = static_cast<uint16_t>(std::strtoul(version, nullptr, 0));
  }
  const char* noClient = std::getenv("QELPRO_NO_CLIENT");
  state->clientFails = noClient != nullptr && std::strcmp(noClient, "1") == 0;
}

// The state, configured from the environment on first use (a thread-safe
// static); its fields other than the level mask only under StandinMutex().
StandinState& State() {
  static StandinState* const state = [] {
    static StandinState configured;
    Configure(&configured);
    return &configured;
  }();
  return *state;
}

void WriteLine(int level, const char* line) {
  const char* path = std::getenv("QELPRO_LOG");
  FILE* out = path != nullptr && *path != '\0' ? std::fopen(path, "a") : stderr;
  if (out == nullptr) return;
  std::fprintf(out, "[%d] %s\n", level, line);
  if (out != stderr) std::fclose(out);
}

}  // namespace

extern "C" {

int err(int level, const char* format, ...) {
  StandinState& state = State();
  // The mask filters before any formatting or locking is done.
  if ((static_cast<uint32_t>(level) & state.levelMask.load(std::memory_order_relaxed)) == 0) {
    return 0;
  }
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  char line[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (state.sink != nullptr) {
    state.sink(state.sinkContext, level, line);
  } else {
    WriteLine(level, line);
  }
  return 0;
}

uint16_t VPI_STDCALL QelMkClient(const char* name, int32_t one, int32_t zero, uint8_t* client) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  StandinState& state = State();
  char entry[160];
  std::snprintf(entry, sizeof entry, "QelMkClient(%s,%d,%d)\n", name != nullptr ? name : "", one,
                zero);
  state.callLog += entry;
  if (state.clientFails) return 1;
  if (client != nullptr) *client = state.nextClient++;
  return 0;
}

uint16_t VPI_STDCALL QelGetQelproVer(int32_t client, uint16_t* version, char* buffer100) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  StandinState& state = State();
  char entry[64];
  std::snprintf(entry, sizeof entry, "QelGetQelproVer(%d)\n", client & 0xFF);
  state.callLog += entry;
  if (version != nullptr) *version = state.version;
  if (buffer100 != nullptr) std::snprintf(buffer100, 100, "host stand-in %u", state.version);
  return 0;
}

int32_t VPI_STDCALL QelRmClient(int32_t client) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  StandinState& state = State();
  char entry[64];
  std::snprintf(entry, sizeof entry, "QelRmClient(%d)\n", client & 0xFF);
  state.callLog += entry;
  return 0;
}

void QelStandinSetSink(QelStandinSink sink, void* context) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  StandinState& state = State();
  state.sink = sink;
  state.sinkContext = context;
}

void QelStandinSetLevelMask(uint32_t mask) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  State().levelMask = mask;
}
void QelStandinSetVersion(uint16_t version) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  State().version = version;
}
void QelStandinSetClientFailure(int fail) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  State().clientFails = fail != 0;
}

// The text stays valid until the next call of any stand-in function.
const char* QelStandinCallLog(void) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  return State().callLog.c_str();
}
void QelStandinClearCallLog(void) {
  const std::lock_guard<std::recursive_mutex> lock(StandinMutex());
  State().callLog.clear();
}

}  // extern "C"
