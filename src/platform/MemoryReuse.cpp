#include "platform/MemoryReuse.h"

#include <cstdlib>  // tells which C library this is

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Setting these also ends glibc's own adjustment of them, which raises the first
    // only after the first large block has been handed back to the kernel.
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
#endif
}

}  // namespace platform
