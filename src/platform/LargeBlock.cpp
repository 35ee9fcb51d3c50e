#include "platform/LargeBlock.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace platform {

namespace {

#if defined(__linux__)
// The size of the kernel's transparent huge pages on x86-64 and most other machines.
constexpr std::size_t kLargePage = std::size_t(2) << 20;
#endif

}  // namespace

void MarkForLargePages(void* start, std::size_t bytes) {
#if defined(__linux__)
    const auto from = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t begin = (from + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = (from + bytes) & ~(kLargePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    static_cast<void>(start);
    static_cast<void>(bytes);
#endif
}

void* AllocateLarge(std::size_t bytes) {
#if defined(__linux__)
    if (bytes >= kLargePage) {
        const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
        void* block = std::aligned_alloc(kLargePage, rounded);
        if (!block) throw std::bad_alloc();
        // Only the large pages the array covers whole: its tail stays in small pages, so
        // that no more is made resident than the array writes.
        MarkForLargePages(block, bytes);
        return block;
    }
#endif
    return ::operator new(bytes);
}

void FreeLarge(void* block, std::size_t bytes) noexcept {
#if defined(__linux__)
    if (bytes >= kLargePage) {
        std::free(block);
        return;
    }
#else
    static_cast<void>(bytes);
#endif
    ::operator delete(block);
}

}  // namespace platform
