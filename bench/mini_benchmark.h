// A small stand-in for the part of Google Benchmark that the slot benchmarks
// use, for builds where the library is not available (the MinGW build): a
// State with range-for and counters, RegisterBenchmark with a callable,
// DoNotOptimize, Initialize / RunSpecifiedBenchmarks / Shutdown. Each
// benchmark runs with growing iteration counts until one run lasts at least
// the minimum time; the line printed is its name, ns per iteration and its
// counters. Options: --benchmark_filter=<text> (names containing it),
// --benchmark_min_time=<seconds>.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace benchmark {

struct Counter {
  Counter(double v = 0.0) : value(v) {}  // NOLINT(google-explicit-constructor)
  operator double() const { return value; }
  double value;
};

using UserCounters = std::map<std::string, Counter>;

class State {
 public:
  struct [[maybe_unused]] Value {};

  class Iterator {
   public:
    Iterator(State* state, int64_t left) : state_(state), left_(left) {}
    bool operator!=(const Iterator& /*end*/) {
      if (left_ > 0) return true;
      state_->StopTimer();
      return false;
    }
    Iterator& operator++() {
      --left_;
      return *this;
    }
    Value operator*() const { return Value{}; }

   private:
    State* state_;
    int64_t left_;
  };

  explicit State(int64_t iterations) : iterations_(iterations) {}

  Iterator begin() {
    started_ = std::chrono::steady_clock::now();
    return Iterator(this, error_ ? 0 : iterations_);
  }
  Iterator end() { return Iterator(this, 0); }

  int64_t iterations() const { return iterations_; }
  void SkipWithError(const char* message) {
    error_ = true;
    message_ = message;
  }
  bool error_occurred() const { return error_; }
  const std::string& error_message() const { return message_; }
  double elapsed_seconds() const { return elapsed_; }

  UserCounters counters;

 private:
  void StopTimer() {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started_;
    elapsed_ = spent.count();
  }

  int64_t iterations_;
  bool error_ = false;
  std::string message_;
  std::chrono::steady_clock::time_point started_{};
  double elapsed_ = 0.0;
};

template <typename T>
inline void DoNotOptimize(T& value) {
  asm volatile("" : "+m"(value) : : "memory");
}

template <typename T>
inline void DoNotOptimize(const T& value) {
  asm volatile("" : : "m"(value) : "memory");
}

namespace internal {

struct Benchmark {
  std::string name;
  std::function<void(State&)> run;
};

struct Registry {
  std::vector<std::unique_ptr<Benchmark>> benchmarks;
  std::string filter;
  double minSeconds = 0.5;
};

inline Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

// Runs `benchmark` with growing iteration counts until a run lasts at least
// the minimum time; the last run is the one reported.
inline State RunOne(const Benchmark& benchmark, double minSeconds) {
  int64_t iterations = 1;
  for (;;) {
    State state(iterations);
    benchmark.run(state);
    const double spent = state.elapsed_seconds();
    if (state.error_occurred() || spent >= minSeconds || iterations >= (int64_t{1} << 40)) {
      return state;
    }
    double factor = spent > 0.0 ? 1.4 * minSeconds / spent : 10.0;
    factor = factor < 2.0 ? 2.0 : (factor > 10.0 ? 10.0 : factor);
    iterations = static_cast<int64_t>(static_cast<double>(iterations) * factor);
  }
}

inline void PrintRun(const Benchmark& benchmark, const State& state) {
  if (state.error_occurred()) {
    std::printf("%-40s ERROR: %s\n", benchmark.name.c_str(), state.error_message().c_str());
    return;
  }
  const double perIteration =
      state.elapsed_seconds() * 1e9 / static_cast<double>(state.iterations());
  std::printf("%-40s %12.1f ns %12lld", benchmark.name.c_str(), perIteration,
              static_cast<long long>(state.iterations()));
  for (const auto& counter : state.counters) {
    std::printf(" %s=%.3f", counter.first.c_str(), counter.second.value);
  }
  std::printf("\n");
}

}  // namespace internal

template <typename Lambda>
internal::Benchmark* RegisterBenchmark(const char* name, Lambda&& fn) {
  auto benchmark = std::make_unique<internal::Benchmark>();
  benchmark->name = name;
  benchmark->run = std::forward<Lambda>(fn);
  internal::TheRegistry().benchmarks.push_back(std::move(benchmark));
  return internal::TheRegistry().benchmarks.back().get();
}

inline void Initialize(int* argc, char** argv) {
  internal::Registry& registry = internal::TheRegistry();
  constexpr char kFilter[] = "--benchmark_filter=";
  constexpr char kMinTime[] = "--benchmark_min_time=";
  for (int i = 1; i < *argc; ++i) {
    if (std::strncmp(argv[i], kFilter, sizeof kFilter - 1) == 0) {
      registry.filter = argv[i] + sizeof kFilter - 1;
    } else if (std::strncmp(argv[i], kMinTime, sizeof kMinTime - 1) == 0) {
      registry.minSeconds = std::atof(argv[i] + sizeof kMinTime - 1);
    }
  }
}

inline size_t RunSpecifiedBenchmarks() {
  internal::Registry& registry = internal::TheRegistry();
  std::printf("%-40s %15s %12s  counters\n", "Benchmark", "Time", "Iterations");
  size_t ran = 0;
  for (const auto& benchmark : registry.benchmarks) {
    if (benchmark->name.find(registry.filter) == std::string::npos) continue;
    internal::PrintRun(*benchmark, internal::RunOne(*benchmark, registry.minSeconds));
    std::fflush(stdout);
    ++ran;
  }
  return ran;
}

inline void Shutdown() {
  internal::TheRegistry().benchmarks.clear();
}

}  // namespace benchmark
