// Injected failures: a rule makes one library function (or every one) return
// a chosen result for a window of its calls, counted from when it was added.
#pragma once

#include <cstdint>
#include <vector>

#include "sim_config.h"

namespace rvsim {

class FaultRules {
 public:
  void Add(const FaultSpec& fault);
  void Clear() { rules_.clear(); }

  // Counts this call against every rule naming `function` (or "*"); when the
  // first rule whose window holds its count is found, stores its result in
  // `result` and returns true.
  bool Check(const char* function, int32_t* result);

 private:
  struct Rule {
    FaultSpec fault;
    long long calls;
  };
  std::vector<Rule> rules_;
};

}  // namespace rvsim
