// Every benchmark compares two sides measured in turn in one process. Left to
// itself, the heap hands freed memory back to the kernel between them and the
// next side to allocate pays for faulting it in again, a cost that swings with
// the machine's memory pressure and with which side runs first. Keeping freed
// memory in the process makes both sides measure their own work.
#include <malloc.h>

namespace {

const bool kSteadyHeap = [] {
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  return true;
}();

}  // namespace
