// Where a program cannot replace the C library's malloc (Windows), only the
// C++ allocations are counted.
#include "allocation_counter.h"

namespace alloctest {

bool MallocCounted() {
  return false;
}

}  // namespace alloctest
