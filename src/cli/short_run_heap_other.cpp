#include "cli/short_run_heap.h"

namespace quantora {

// Elsewhere the allocator and the kernel are left to their defaults.
void PrepareHeapForShortRun() {}

}  // namespace quantora
