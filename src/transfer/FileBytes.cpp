#include "transfer/FileBytes.h"

#include "platform/FileAccess.h"
#include "platform/Translate.h"

namespace transfer {

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string FileLabel(const std::string& path) {
    const std::u8string name = PathFromUtf8(path).filename().u8string();
    return std::string(name.begin(), name.end());
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error) {
    std::string reason;
    switch (platform::ReadRegularFile(path, kMaxReadBytes, bytes, reason)) {
        case platform::ReadOutcome::Read:
            return true;
        case platform::ReadOutcome::Missing:
        case platform::ReadOutcome::Failed:
            error = platform::Filled(platform::Translate("transfer", "Cannot read %1: %2."),
                                     {path, reason});
            return false;
        case platform::ReadOutcome::NotRegular:
            error = platform::Filled(
                platform::Translate("transfer",
                                    "%1 is not a regular file (a folder, a device or a pipe)."),
                {path});
            return false;
        case platform::ReadOutcome::TooLarge:
            error = platform::Filled(
                platform::Translate(
                    "transfer",
                    "%1 is larger than %2, far more than any address book; choose the right file."),
                {path, kMaxReadText});
            return false;
    }
    return false;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, bool overwrite, bool& exists,
                    std::string& error) {
    std::string reason;
    const platform::WriteOutcome outcome = platform::ReplaceFile(path, bytes, overwrite, reason);
    exists = outcome == platform::WriteOutcome::Exists;
    switch (outcome) {
        case platform::WriteOutcome::Written:
            return true;
        case platform::WriteOutcome::Exists:
            error = platform::Filled(platform::Translate("transfer", "%1 already exists."), {path});
            return false;
        case platform::WriteOutcome::NotRegular:
            error = platform::Filled(
                platform::Translate(
                    "transfer",
                    "%1 is not a regular file (a folder, a device or a pipe); choose a file."),
                {path});
            return false;
        case platform::WriteOutcome::Failed:
            error = platform::Filled(platform::Translate("transfer", "Cannot write %1: %2."),
                                     {path, reason});
            return false;
    }
    return false;
}

}  // namespace transfer
