// Counts heap allocations made while counting is on: C++ allocations through
// the replaced global operator new, and, where the platform lets a program
// replace malloc (POSIX), every C-level allocation as well.
#pragma once

namespace alloctest {

struct AllocationCounts {
  long news;     // global operator new, every form but the over-aligned ones
  long mallocs;  // malloc, calloc and realloc (0 where they are not counted)
};

void StartCounting();
AllocationCounts StopCounting();

// Called by the replaced allocation functions.
void NoteNew();
void NoteMalloc();

// True where malloc, calloc and realloc are counted.
bool MallocCounted();

}  // namespace alloctest
