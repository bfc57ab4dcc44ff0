#include "fault_rules.h"

namespace rvsim {
namespace {

bool Covers(const FaultSpec& fault, long long call) {
  const long long from = fault.from < 1 ? 1 : fault.from;
  if (call < from) return false;
  return fault.count < 0 || call < from + fault.count;
}

}  // namespace

void FaultRules::Add(const FaultSpec& fault) {
  rules_.push_back({fault, 0});
}

bool FaultRules::Check(const char* function, int32_t* result) {
  bool hit = false;
  for (Rule& rule : rules_) {
    if (rule.fault.function != "*" && rule.fault.function != function) continue;
    ++rule.calls;
    if (!hit && Covers(rule.fault, rule.calls)) {
      *result = rule.fault.result;
      hit = true;
    }
  }
  return hit;
}

}  // namespace rvsim
