#include "command_line.h"

#include <cctype>

namespace vpihost {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Trim(const std::string& text) {
  size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// Splits a trailing " => WORD" off `body`. Only a "=>" that stands alone
// (blank or line start before it) and is followed by exactly one word counts.
void TakeExpectation(CommandLine* line) {
  const size_t arrow = line->body.rfind("=>");
  if (arrow == std::string::npos) return;
  if (arrow > 0 && !IsBlank(line->body[arrow - 1])) return;
  const std::string tail = Trim(line->body.substr(arrow + 2));
  for (char c : tail) {
    if (IsBlank(c)) return;  // more than one word: part of a value
  }
  line->expects = true;
  line->expectation = tail;
  if (tail.empty()) line->error = "\"=>\" needs a result, e.g. => VPI_OK";
  line->body = Trim(line->body.substr(0, arrow));
}

void SplitWords(CommandLine* line) {
  const std::string& body = line->body;
  size_t at = 0;
  bool first = true;
  while (at < body.size()) {
    while (at < body.size() && IsBlank(body[at])) ++at;
    if (at >= body.size()) break;
    const size_t start = at;
    while (at < body.size() && !IsBlank(body[at])) ++at;
    const std::string word = body.substr(start, at - start);
    if (first) {
      for (char c : word) {
        line->verb += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      }
      first = false;
    } else {
      line->args.push_back(word);
      line->argOffsets.push_back(start);
    }
  }
}

}  // namespace

std::string CommandLine::TextFrom(size_t index) const {
  if (index >= argOffsets.size()) return std::string();
  std::string text = body.substr(argOffsets[index]);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

CommandLine SplitCommandLine(const std::string& raw) {
  CommandLine line;
  line.body = Trim(raw);
  if (line.body.empty()) return line;
  line.empty = false;
  if (line.body[0] == '#') {
    line.comment = true;
    return line;
  }
  TakeExpectation(&line);
  SplitWords(&line);
  if (line.verb.empty() && line.error.empty()) line.error = "an expectation needs a command";
  return line;
}

}  // namespace vpihost
