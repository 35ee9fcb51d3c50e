#pragma once

#include <cstddef>
#include <new>

namespace platform {

// Memory for a large array that is filled from front to back (the list's rows, the
// sort's entries). The first write to each fresh page costs a fault in the kernel, and
// a list of 100,000 people would meet thousands of them; where the system can back the
// array with large pages it is asked to, for the stretches the array fills whole, so
// that the memory kept resident stays what the array uses. Small blocks come from the
// ordinary heap.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes) noexcept;

// Asks the system to back the large pages that [start, start + bytes) covers whole with
// large pages, not the partial ones at either end. Only a hint; where the system has no
// such pages it does nothing.
void MarkForLargePages(void* start, std::size_t bytes);

// Asks for the memory at `address` to be read into the cache ahead of its use, so that
// reads spread over a large array can overlap; a hint only, which may do nothing.
inline void Prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

// An allocator for std::vector that takes its blocks from AllocateLarge.
template <class T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLarge(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { FreeLarge(block, count * sizeof(T)); }

    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace platform
