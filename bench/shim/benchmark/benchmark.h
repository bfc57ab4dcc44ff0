// Where Google Benchmark is not installed, <benchmark/benchmark.h> is the
// small stand-in beside the benchmarks.
#pragma once

#include "../../mini_benchmark.h"
