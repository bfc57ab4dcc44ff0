// Captures the host log lines that reach the host stand-in during a test.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vpitest {

struct LogLine {
  int level;
  std::string text;
  bool operator==(const LogLine& other) const { return level == other.level && text == other.text; }
};

class HostLogCapture {
 public:
  HostLogCapture();
  ~HostLogCapture();
  HostLogCapture(const HostLogCapture&) = delete;
  HostLogCapture& operator=(const HostLogCapture&) = delete;

  const std::vector<LogLine>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  static void Receive(void* context, int level, const char* line);
  std::vector<LogLine> lines_;
};

// The stand-in's extra controls, found at run time in the loaded library.
void StandinSetVersion(unsigned version);
// The stand-in drops the lines of levels outside `mask` before formatting.
void StandinSetLevelMask(uint32_t mask);
void StandinSetClientFailure(bool fail);
std::string StandinCallLog();
void StandinClearCallLog();

}  // namespace vpitest
