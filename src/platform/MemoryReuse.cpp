#include "platform/MemoryReuse.h"

#include <cstdlib>  // tells which C library this is

#if defined(__GLIBC__)
#include <malloc.h>

#include <cstddef>

#include "platform/LargeBlock.h"
#endif

namespace platform {

namespace {

#if defined(__GLIBC__)
constexpr std::size_t kHeapStretch = std::size_t(32) << 20;
constexpr int kLargestFromHeap = 8 << 20;

// Grows the heap by kHeapStretch and marks the large pages it covers whole. Freed, the
// stretch stays at the heap's top (the trim threshold is above it) for the blocks that
// come next. Only a hint: without it the heap is just as good.
void BackHeapStretchWithLargePages() {
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * kHeapStretch));  // from the heap, not mapped
    void* stretch = std::malloc(kHeapStretch);
    mallopt(M_MMAP_THRESHOLD, kLargestFromHeap);
    if (!stretch) return;
    MarkForLargePages(stretch, kHeapStretch);
    std::free(stretch);
}
#endif

}  // namespace

void PrepareMemoryForLargeLists() {
#if defined(__GLIBC__)
    // Setting these also ends glibc's own adjustment of them, which raises the first
    // only after the first large block has been handed back to the kernel.
    mallopt(M_MMAP_THRESHOLD, kLargestFromHeap);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kHeapStretch));
    BackHeapStretchWithLargePages();
#endif
}

}  // namespace platform
