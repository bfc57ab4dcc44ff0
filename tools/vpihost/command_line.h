// One console line taken apart: the command word, its blank-separated
// arguments, the raw text after a given argument (for values with blanks),
// and a trailing "=> RESULT" expectation.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vpihost {

struct CommandLine {
  bool empty = true;     // nothing but blanks
  bool comment = false;  // first non-blank character is "#"
  std::string verb;      // the command word, in lower case
  std::vector<std::string> args;
  bool expects = false;     // a trailing "=> RESULT" was given
  std::string expectation;  // the word after "=>"
  std::string error;        // set when the line cannot be used

  // The line's text from argument `index` to its end (before any "=>"), with
  // its inner blanks kept; a value wrapped in double quotes loses the quotes.
  std::string TextFrom(size_t index) const;

  std::string body;                // the line without expectation, trimmed
  std::vector<size_t> argOffsets;  // where each argument starts in `body`
};

CommandLine SplitCommandLine(const std::string& line);

}  // namespace vpihost
