// Blocks for large arrays keep what is written in them, and however the system backs
// them, they make no more memory resident than the array writes: an array filled to
// just past a large page must not hold a whole second one.
#include <gtest/gtest.h>

#include <cstddef>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/LargeBlock.h"
#include "platform/MemoryReuse.h"

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

// The flags of the mapping that holds `address` ("hg": marked for large pages), or
// nothing where the system does not tell.
std::string MappingFlags(const void* address) {
    std::ifstream smaps("/proc/self/smaps");
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        std::uintptr_t start = 0, end = 0;
        if (std::sscanf(line.c_str(), "%" SCNxPTR "-%" SCNxPTR, &start, &end) == 2)
            inside = start <= at && at < end;
        else if (inside && line.rfind("VmFlags:", 0) == 0)
            return line;
    }
    return {};
}

// What the heap's stretch for large lists costs, checked in a process of its own, as it
// changes the heap for good: exits with 1 when the stretch made memory resident, with 2
// when a block taken from it afterwards is not marked for large pages.
[[noreturn]] void CheckTheHeapStretch() {
    ResidentBytes();  // the first reading's own buffers count as resident too
    const long long before = ResidentBytes();
    platform::PrepareMemoryForLargeLists();
    const long long after = ResidentBytes();
    if (before >= 0 && after - before > 256 * 1024) std::_Exit(1);
    auto* texts = static_cast<char*>(std::malloc(std::size_t(6) << 20));  // a list's texts
    const std::string flags = MappingFlags(texts + (std::size_t(4) << 20));
    std::free(texts);
#if defined(__GLIBC__) && defined(__linux__)
    if (!flags.empty() && flags.find(" hg") == std::string::npos) std::_Exit(2);
#endif
    std::_Exit(0);
}

}  // namespace

// The heap's stretch for large lists costs no memory until written, and blocks taken
// from it lie where the system may back them with large pages.
TEST(LargeBlock, TheHeapStretchForLargeListsCostsNothingUntilWritten) {
    if (!kResidentIsTheBlocks) GTEST_SKIP() << "the sanitizers' allocator has no such heap";
    EXPECT_EXIT(CheckTheHeapStretch(), testing::ExitedWithCode(0), "");
}

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
