// The record of library calls: one line per call, kept in memory and, when
// the environment variable RVSIM_TRACE names a file, appended there too.
#pragma once

#include <cstdint>
#include <string>

namespace rvsim {

// Keeps the in-memory record below this size by dropping its oldest half.
constexpr size_t kTraceLimit = 1 << 20;

class CallTrace {
 public:
  // Records "Function(arguments) = result".
  void Add(const char* function, const std::string& arguments, int32_t result);
  void Clear() { text_.clear(); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// A text argument as the trace shows it: quoted, at most 100 bytes, with
// control characters and quotes replaced by '?'; "null" for no text.
std::string QuoteText(const char* text);

}  // namespace rvsim
