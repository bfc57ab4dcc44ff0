#include "host_station.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "fuzz_choices.h"
#include "platform/platform.h"

namespace vpifuzz {
namespace {

namespace fs = std::filesystem;

// Created on first use, removed when the process ends.
class PrivateDirectory {
 public:
  PrivateDirectory() {
    path_ = fs::temp_directory_path() / ("vpi-fuzz-" + std::to_string(std::random_device{}()));
    fs::create_directories(path_);
  }
  ~PrivateDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

const fs::path& ScratchPath() {
  static PrivateDirectory directory;
  return directory.path();
}

// Set while the whole process works in the private directory.
std::atomic<bool> stayingInScratch{false};

// The process stays in the private directory for one call only, so that
// relative paths given to the fuzzer keep their meaning; unless it stays
// there for good, as stations on several threads need (the working
// directory is the process's, not a thread's).
class InScratch {
 public:
  InScratch() {
    if (stayingInScratch.load()) return;
    previous_ = fs::current_path();
    fs::current_path(ScratchPath());
  }
  ~InScratch() {
    if (!previous_.empty()) fs::current_path(previous_);
  }

 private:
  fs::path previous_;
};

std::string InitFileName(int32_t station) {
  char name[32];
  std::snprintf(name, sizeof name, "darAZO%02d.int", static_cast<int>(station));
  return name;
}

void IgnoreLine(void* /*context*/, int /*level*/, const char* /*line*/) {}

}  // namespace

ScratchStay::ScratchStay() : previous_(fs::current_path().string()) {
  fs::current_path(ScratchPath());
  stayingInScratch.store(true);
}

ScratchStay::~ScratchStay() {
  stayingInScratch.store(false);
  fs::current_path(previous_);
}

HostStation::HostStation(int32_t number) : number_(number), block_(sizeof(DriverData)) {
  data().stationNumber = number;
}

int32_t HostStation::Call(uint32_t slot, void* request) {
  VpiCall call{};
  call.driverData = &data();
  call.function = slot;
  call.station = number_;
  call.request = request;
  return VpiMain(&call);
}

int32_t HostStation::ColdStart(const std::string* initFile) {
  const fs::path file = ScratchPath() / InitFileName(number_);
  // Removed and written anew rather than truncated: some file systems flush
  // a truncated file to disk on close, which slows the fuzzer down.
  std::error_code ignored;
  fs::remove(file, ignored);
  if (initFile != nullptr) {
    std::ofstream out(file, std::ios::binary);
    out.write(initFile->data(), static_cast<std::streamsize>(initFile->size()));
  }
  InScratch here;
  return Call(1);
}

void HostStation::Load(const DriverData& block) {
  std::memcpy(&data(), &block, sizeof block);
}

HostRequest::HostRequest(const std::string& address) : record_(sizeof(VpiRequest)) {
  GuardedBuffer::HoldText(&address_, address);
  record().addressText = address_.text();
  UseCell(0);
}

void HostRequest::UseCell(int16_t value16) {
  value_.Resize(sizeof(VpiValue));
  const unsigned char low[2] = {0xC3, 0x3C};  // bytes 0 and 1, never the driver's
  std::memcpy(value_.data(), low, sizeof low);
  std::memcpy(value_.data() + 2, &value16, sizeof value16);
  record().value = value_.data();
}

void HostRequest::UseText(const std::string& text) {
  GuardedBuffer::HoldText(&value_, text);
  record().value = value_.data();
}

void HostRequest::UseBuffer(size_t size) {
  value_.Resize(size);
  record().value = value_.data();
}

bool HostRequest::GuardsIntact() const {
  return record_.GuardsIntact() && address_.GuardsIntact() && value_.GuardsIntact();
}

std::string InitFileNaming(const std::string& hostName) {
  return "; video server\nHostName = " + hostName + ";\n";
}

void QuietHostLog() {
  using SetSinkFn = void (*)(void (*)(void*, int, const char*), void*);
  static const bool done = [] {
    vpi::platform::LibraryHandle standin = vpi::platform::OpenLibrary(VPI_STANDIN_FILE, nullptr);
    if (standin == nullptr) return false;
    void* setSink = vpi::platform::LibrarySymbol(standin, "QelStandinSetSink");
    if (setSink == nullptr) return false;
    reinterpret_cast<SetSinkFn>(setSink)(&IgnoreLine, nullptr);
    return true;
  }();
  (void)done;
}

const DriverData& BoundTemplate() {
  static HostStation station;
  static const bool started = [] {
    ConfigureServer(0);
    const std::string init = InitFileNaming(kSimulatorHost);
    return station.ColdStart(&init) == VPI_OK;
  }();
  if (!started) {
    std::fprintf(stderr, "the template station does not cold-start\n");
    std::abort();
  }
  return station.data();
}

}  // namespace vpifuzz
