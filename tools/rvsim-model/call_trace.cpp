#include "call_trace.h"

#include <cstdio>
#include <cstdlib>

namespace rvsim {
namespace {

void AppendToFile(const std::string& line) {
  const char* path = std::getenv("RVSIM_TRACE");
  if (path == nullptr || *path == '\0') return;
  FILE* out = std::fopen(path, "ab");
  if (out == nullptr) return;
  std::fputs(line.c_str(), out);
  std::fclose(out);
}

}  // namespace

void CallTrace::Add(const char* function, const std::string& arguments, int32_t result) {
  const std::string line =
      std::string(function) + "(" + arguments + ") = " + std::to_string(result) + "\n";
  if (text_.size() + line.size() > kTraceLimit) {
    const size_t cut = text_.find('\n', text_.size() / 2);
    const size_t erased = cut == std::string::npos ? text_.size() : cut + 1;
    text_.erase(0, erased);
    dropped_ += erased;
    while (!starts_.empty() && starts_.front() < dropped_) starts_.pop_front();
  }
  starts_.push_back(dropped_ + text_.size());
  ++nextSeq_;
  text_ += line;
  AppendToFile(line);
}

void CallTrace::Clear() {
  dropped_ += text_.size();
  text_.clear();
  starts_.clear();
}

std::vector<TraceLine> CallTrace::LinesSince(uint64_t since, size_t max) const {
  std::vector<TraceLine> lines;
  const uint64_t first = since < FirstSeq() ? FirstSeq() : since;
  for (uint64_t seq = first; seq < nextSeq_ && lines.size() < max; ++seq) {
    const size_t index = static_cast<size_t>(seq - FirstSeq());
    const size_t start = static_cast<size_t>(starts_[index] - dropped_);
    const size_t end = index + 1 < starts_.size()
                           ? static_cast<size_t>(starts_[index + 1] - dropped_)
                           : text_.size();
    lines.push_back({seq, text_.substr(start, end - start - 1)});
  }
  return lines;
}

std::string QuoteText(const char* text) {
  if (text == nullptr) return "null";
  std::string quoted = "\"";
  for (size_t i = 0; text[i] != '\0' && i < 100; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    quoted += (c < 0x20 || c == 0x7F || c == '"') ? '?' : static_cast<char>(c);
  }
  return quoted + "\"";
}

}  // namespace rvsim
