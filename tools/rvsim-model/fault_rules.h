// Injected failures: a rule makes one library function (or every one) return
// a chosen result for a window of its calls, counted from when it was added,
// or for a random share of its calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim_config.h"

namespace rvsim {

class FaultRules {
 public:
  void Add(const FaultSpec& fault);
  // Fails each call of `function` (or "*") with a chance of `perMillion`
  // in a million, answering `result`.
  void AddRandom(const std::string& function, int perMillion, int32_t result);
  // Drops every rule; the random draws start again from their seed.
  void Clear();
  // The rules standing, in the order they were added.
  std::vector<FaultSpec> Specs() const;

  // Counts this call against every rule naming `function` (or "*"); when the
  // first rule that covers it is found, stores its result in `result` and
  // returns true. A rule whose window has passed is dropped.
  bool Check(const char* function, int32_t* result);

 private:
  struct Rule {
    FaultSpec fault;
    long long calls;
    int perMillion;  // 0: the window `fault` gives
  };
  bool Covers(const Rule& rule);

  std::vector<Rule> rules_;
  uint64_t draw_ = kSeed;
  static constexpr uint64_t kSeed = 0x9E3779B97F4A7C15ull;
};

}  // namespace rvsim
