#include "sim_config.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "core/driver_data.h"
#include "core/video_library.h"

namespace rvsim {
namespace {

const char* const kBlanks = " \t\r";

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// Splits off the first blank-separated word; `rest` gets the trimmed remainder.
std::string FirstWord(const std::string& text, std::string* rest) {
  const size_t end = text.find_first_of(kBlanks);
  if (end == std::string::npos) {
    rest->clear();
    return text;
  }
  *rest = Trim(text.substr(end));
  return text.substr(0, end);
}

bool ParseInt32(const std::string& word, int32_t* value) {
  if (word.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(word.c_str(), &end, 0);
  if (errno != 0 || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  *value = static_cast<int32_t>(parsed);
  return true;
}

// Reads exactly `count` integers from `text`.
bool ParseIntegers(const std::string& text, int32_t* values, int count) {
  std::istringstream words(text);
  std::string word;
  for (int i = 0; i < count; ++i) {
    if (!(words >> word) || !ParseInt32(word, &values[i])) return false;
  }
  return !(words >> word);
}

struct LineParser {
  ServerConfig config;
  bool sawHost = false;
  bool sawSources = false;
  bool noSources = false;
  std::string error;

  bool Fail(const std::string& why) {
    error = why;
    return false;
  }

  bool Host(const std::string& rest) {
    if (rest.empty() || rest.find_first_of(kBlanks) != std::string::npos) {
      return Fail("host takes one name");
    }
    if (!sawHost) config.hosts.clear();
    sawHost = true;
    config.hosts.push_back(rest);
    return true;
  }

  bool Source(const std::string& rest) {
    std::string name;
    int32_t id = 0;
    if (!ParseInt32(FirstWord(rest, &name), &id)) return Fail("source needs a numeric id");
    if (name.empty()) return Fail("source needs a name");
    if (name.size() >= static_cast<size_t>(kNameCapacity)) return Fail("source name too long");
    if (noSources) return Fail("source after no-sources");
    UseOwnSources();
    for (const SourceEntry& source : config.sources) {
      if (source.id == id) return Fail("duplicate source id");
    }
    if (config.sources.size() >= static_cast<size_t>(kMaxSources)) {
      return Fail("too many sources");
    }
    config.sources.push_back({id, name});
    return true;
  }

  void UseOwnSources() {
    if (!sawSources) config.sources.clear();
    sawSources = true;
  }

  bool NoSources(const std::string& rest) {
    if (!rest.empty()) return Fail("no-sources takes nothing");
    if (sawSources && !config.sources.empty()) return Fail("no-sources after source lines");
    UseOwnSources();
    noSources = true;
    return true;
  }

  bool Limit(const std::string& rest) {
    int32_t limit = 0;
    if (!ParseIntegers(rest, &limit, 1) || limit < 0 || limit > kMaxConnectionLimit) {
      return Fail("limit takes a number from 0 to 1024");
    }
    config.connectionLimit = limit;
    return true;
  }

  bool Fault(const std::string& rest) {
    std::string numbers;
    const std::string function = FirstWord(rest, &numbers);
    if (function != "*" && !IsLibraryFunction(function)) return Fail("unknown function");
    int32_t values[3] = {};
    if (!ParseIntegers(numbers, values, 3)) return Fail("fault takes <from> <count> <result>");
    config.faults.push_back({function, values[0], values[1], values[2]});
    return true;
  }

  bool Line(const std::string& raw) {
    const std::string line = Trim(raw.substr(0, raw.find('#')));
    if (line.empty()) return true;
    std::string rest;
    const std::string directive = FirstWord(line, &rest);
    if (directive == "host") return Host(rest);
    if (directive == "source") return Source(rest);
    if (directive == "no-sources") return NoSources(rest);
    if (directive == "limit") return Limit(rest);
    if (directive == "fault") return Fault(rest);
    return Fail("unknown directive '" + directive + "'");
  }
};

}  // namespace

ServerConfig DefaultConfig() {
  ServerConfig config;
  config.hosts = {"simulator", "localhost"};
  // One source for each window the driver opens.
  for (int i = 0; i < kOpenConnections; ++i) {
    config.sources.push_back({101 + i, "CAM" + std::to_string(i + 1)});
  }
  return config;
}

bool ParseConfig(const std::string& text, ServerConfig* config, std::string* error) {
  LineParser parser;
  parser.config = DefaultConfig();
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!parser.Line(line)) {
      *error = "line " + std::to_string(number) + ": " + parser.error;
      return false;
    }
  }
  *config = parser.config;
  error->clear();
  return true;
}

bool IsLibraryFunction(const std::string& name) {
  for (const char* known : kVideoFunctionNames) {
    if (name == known) return true;
  }
  return false;
}

}  // namespace rvsim
