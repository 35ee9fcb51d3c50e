#include "TempDir.h"

#include <atomic>
#include <chrono>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("marrowtide-test-" + std::to_string(stamp) + "-" +
                                 std::to_string(counter++));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::folder() const {
    std::string s = path_.string();
    if (s.empty() || s.back() != std::filesystem::path::preferred_separator)
        s += std::filesystem::path::preferred_separator;
    return s;
}

}  // namespace testsupport
