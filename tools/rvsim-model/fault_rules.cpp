#include "fault_rules.h"

namespace rvsim {
namespace {

bool InWindow(const FaultSpec& fault, long long call) {
  const long long from = fault.from < 1 ? 1 : fault.from;
  if (call < from) return false;
  return fault.count < 0 || call < from + fault.count;
}

// No later call falls in the window any more.
bool Spent(const FaultSpec& fault, long long call) {
  const long long from = fault.from < 1 ? 1 : fault.from;
  return fault.count >= 0 && call >= from + fault.count - 1;
}

}  // namespace

void FaultRules::Add(const FaultSpec& fault) {
  rules_.push_back({fault, 0, 0});
}

void FaultRules::AddRandom(const std::string& function, int perMillion, int32_t result) {
  rules_.push_back({{function, 1, -1, result}, 0, perMillion});
}

void FaultRules::Clear() {
  rules_.clear();
  draw_ = kSeed;
}

// A random rule draws from one xorshift sequence shared by every rule.
bool FaultRules::Covers(const Rule& rule) {
  if (rule.perMillion == 0) return InWindow(rule.fault, rule.calls);
  draw_ ^= draw_ << 13;
  draw_ ^= draw_ >> 7;
  draw_ ^= draw_ << 17;
  return static_cast<int>(draw_ % 1000000u) < rule.perMillion;
}

bool FaultRules::Check(const char* function, int32_t* result) {
  bool hit = false;
  for (auto it = rules_.begin(); it != rules_.end();) {
    Rule& rule = *it;
    if (rule.fault.function != "*" && rule.fault.function != function) {
      ++it;
      continue;
    }
    ++rule.calls;
    if (!hit && Covers(rule)) {
      *result = rule.fault.result;
      hit = true;
    }
    const bool spent = rule.perMillion == 0 && Spent(rule.fault, rule.calls);
    it = spent ? rules_.erase(it) : it + 1;
  }
  return hit;
}

std::vector<FaultSpec> FaultRules::Specs() const {
  std::vector<FaultSpec> specs;
  for (const Rule& rule : rules_) specs.push_back(rule.fault);
  return specs;
}

}  // namespace rvsim
