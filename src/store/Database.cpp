#include "store/Database.h"

#include <filesystem>

namespace modAgeCalc {

namespace {
std::string& Folder() {
    static std::string folder;
    return folder;
}
}  // namespace

void SetDatabaseFolder(const std::string& folder) {
    Folder() = folder;
}

const std::string& DatabaseFolder() {
    return Folder();
}

std::string WithTrailingSeparator(const std::string& folder) {
    constexpr char kPreferred = static_cast<char>(std::filesystem::path::preferred_separator);
    if (folder.empty() || folder.back() == '/' || folder.back() == kPreferred) return folder;
    return folder + kPreferred;
}

std::string DatabasePath() {
    return DatabaseFolder() + kDatabaseFileName;
}

}  // namespace modAgeCalc
