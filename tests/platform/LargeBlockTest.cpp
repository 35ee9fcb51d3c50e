// Blocks for large arrays keep what is written in them, and however the system backs
// them, they make no more memory resident than the array writes: an array filled to
// just past a large page must not hold a whole second one.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <unistd.h>

#include "platform/LargeBlock.h"

namespace {

// Resident bytes of this process, or -1 where the system does not tell.
long long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = -1;
    if (!(statm >> pages >> resident)) return -1;
    return resident * sysconf(_SC_PAGESIZE);
}

// The sanitizers keep shadow memory beside every block, which counts as resident too.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentIsTheBlocks = false;
#else
constexpr bool kResidentIsTheBlocks = true;
#endif

}  // namespace

TEST(LargeBlock, KeepsWhatIsWrittenAndMakesNoMoreResident) {
    constexpr std::size_t kLargePage = std::size_t(2) << 20;
    constexpr std::size_t kSlack = 128 * 1024;  // the test's own allocations meanwhile
    for (const std::size_t bytes :
         {std::size_t(1000), kLargePage, kLargePage + 1, std::size_t(4000000), 4 * kLargePage + 1}) {
        const long long before = ResidentBytes();
        auto* block = static_cast<unsigned char*>(platform::AllocateLarge(bytes));
        for (std::size_t i = 0; i < bytes; ++i) block[i] = static_cast<unsigned char>(i * 7);
        const long long after = ResidentBytes();
        std::size_t intact = 0;
        for (std::size_t i = 0; i < bytes; ++i) intact += block[i] == static_cast<unsigned char>(i * 7);
        platform::FreeLarge(block, bytes);
        EXPECT_EQ(intact, bytes) << bytes << " bytes";
        if (kResidentIsTheBlocks && before >= 0) {
            EXPECT_LE(after - before, static_cast<long long>(bytes + kSlack)) << bytes << " bytes";
        }
    }
}
