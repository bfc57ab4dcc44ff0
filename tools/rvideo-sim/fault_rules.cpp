#include "fault_rules.h"

namespace rvsim {
namespace {

bool Covers(const FaultSpec& spec, long long call) {
  const long long from = spec.from < 1 ? 1 : spec.from;
  if (call < from) return false;
  return spec.count < 0 || call < from + spec.count;
}

}  // namespace

void FaultRules::Add(const FaultSpec& spec) {
  rules_.push_back({spec, 0});
}

bool FaultRules::Check(const char* function, int32_t* result) {
  bool hit = false;
  for (Rule& rule : rules_) {
    if (rule.spec.function != "*" && rule.spec.function != function) continue;
    ++rule.calls;
    if (!hit && Covers(rule.spec, rule.calls)) {
      *result = rule.spec.result;
      hit = true;
    }
  }
  return hit;
}

}  // namespace rvsim
