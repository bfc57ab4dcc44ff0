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
    text_.erase(0, cut == std::string::npos ? text_.size() : cut + 1);
  }
  text_ += line;
  AppendToFile(line);
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
