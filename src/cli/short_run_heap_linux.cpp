#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "cli/short_run_heap.h"

namespace quantora {

// A command reads its data files and is gone in a few milliseconds. Taken 4 KiB at a time, the
// memory for them means some 500 page faults, and on a virtual machine each costs about 10 µs: more
// than the work itself. So the heap is grown once, by more than any command but the update needs,
// big blocks are taken from it too, and the kernel is asked to back it with 2 MiB pages, which
// takes a handful of faults instead.
void PrepareHeapForShortRun() {
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    constexpr int kReserve = 8 << 20;
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 2 * kReserve);
    mallopt(M_TOP_PAD, kReserve);
    // A 2 MiB range gets a huge page only if nothing in it was touched before the advice. Growing
    // the heap writes the allocator's bookkeeping at the start of the new space and at the end of
    // the block that caused it, so the growth starts one page below a huge page boundary and the
    // block ends past the next one: the first huge page range in between stays untouched.
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // The small heap the allocator made before main is used up first. Its untouched pages are
    // faulted in with one call rather than one fault each (a no-op on kernels before 5.14).
    void* volatile smallHeapTop = std::malloc(1);
    const std::uintptr_t untouched = reinterpret_cast<std::uintptr_t>(smallHeapTop) & ~(kPage - 1);
    std::free(smallHeapTop);
    if (before > untouched) madvise(reinterpret_cast<void*>(untouched), before - untouched, MADV_POPULATE_WRITE);
    const std::uintptr_t first = (before + kPage + kHugePage - 1) & ~(kHugePage - 1);
    if (sbrk(static_cast<std::intptr_t>(first - kPage - before)) == reinterpret_cast<void*>(-1)) return;
    // Volatile, or the compiler drops the pair.
    void* volatile block = std::malloc(kHugePage + kPage);
    std::free(block);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kHugePage - 1);
    // Only advice: where the kernel has no huge pages to give, the heap works as before.
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace quantora
