#include "allocation_counter.h"

namespace alloctest {
namespace {

// Single-threaded test program: plain variables suffice.
bool counting = false;
AllocationCounts counts{};

}  // namespace

void StartCounting() {
  counts = AllocationCounts{};
  counting = true;
}

AllocationCounts StopCounting() {
  counting = false;
  return counts;
}

void NoteNew() {
  if (counting) ++counts.news;
}

void NoteMalloc() {
  if (counting) ++counts.mallocs;
}

}  // namespace alloctest
