// The record of library calls: one line per call, kept in memory and, when
// the environment variable RVSIM_TRACE names a file, appended there too.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace rvsim {

// Keeps the in-memory record below this size by dropping its oldest half.
constexpr size_t kTraceLimit = 1 << 20;

// One line of the trace and its sequence number.
struct TraceLine {
  uint64_t seq;
  std::string line;  // without its line break
};

class CallTrace {
 public:
  // Records "Function(arguments) = result".
  void Add(const char* function, const std::string& arguments, int32_t result);
  // Drops every line; the numbering goes on, so a reader's place stays valid.
  void Clear();
  const std::string& Text() const { return text_; }

  // Lines are numbered from 0 in the order they were added, for the life of
  // the trace; NextSeq() is the number the next line gets and FirstSeq() that
  // of the oldest line still held.
  uint64_t NextSeq() const { return nextSeq_; }
  uint64_t FirstSeq() const { return nextSeq_ - starts_.size(); }
  // Up to `max` lines numbered `since` on, oldest first (from FirstSeq() when
  // those lines were already dropped).
  std::vector<TraceLine> LinesSince(uint64_t since, size_t max) const;

 private:
  std::string text_;
  std::deque<uint64_t> starts_;  // where each held line starts, counted over all text ever added
  uint64_t dropped_ = 0;         // bytes dropped before text_
  uint64_t nextSeq_ = 0;
};

// A text argument as the trace shows it: quoted, at most 100 bytes, with
// control characters and quotes replaced by '?'; "null" for no text.
std::string QuoteText(const char* text);

}  // namespace rvsim
