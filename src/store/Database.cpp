#include "store/Database.h"

#include <filesystem>

namespace modAgeCalc {

namespace {
std::string& Folder() {
    static std::string folder;
    return folder;
}
std::string& FileName() {
    static std::string name = kDatabaseFileName;
    return name;
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

void SetDatabaseFileName(const std::string& name) {
    FileName() = name.empty() ? std::string(kDatabaseFileName) : name;
}

const std::string& DatabaseFileName() {
    return FileName();
}

std::string DatabasePath() {
    return DatabaseFolder() + FileName();
}

}  // namespace modAgeCalc
