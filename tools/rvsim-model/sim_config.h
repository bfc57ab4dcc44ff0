// The simulated server's configuration: accepted host names, video sources,
// the connection limit and standing faults, read from a small text format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/video_library.h"

namespace rvsim {

constexpr int kNameCapacity = kSourceNameSize;  // a source name and its NUL
constexpr int kMaxSources = 255;                // the source count travels in one byte
constexpr int kDefaultConnectionLimit = 16;
constexpr int kMaxConnectionLimit = 1024;

struct SourceEntry {
  int32_t id;
  std::string name;
};

struct FaultSpec {
  std::string function;  // an NTRV function name, or "*"
  int from;              // 1 = the next call
  int count;             // < 0 = forever
  int32_t result;
};

struct ServerConfig {
  std::vector<std::string> hosts;
  std::vector<SourceEntry> sources;
  int connectionLimit = kDefaultConnectionLimit;
  std::vector<FaultSpec> faults;
};

// Hosts "simulator" and "localhost", cameras "CAM1".."CAM6" with ids 101..106.
ServerConfig DefaultConfig();

// Parses `text`; on success fills `config` and returns true. On a malformed
// line returns false, leaves `config` alone and describes the line in `error`.
bool ParseConfig(const std::string& text, ServerConfig* config, std::string* error);

// True for the names of the eighteen library functions.
bool IsLibraryFunction(const std::string& name);

}  // namespace rvsim
