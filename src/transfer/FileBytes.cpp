#include "transfer/FileBytes.h"

#include "platform/FileAccess.h"

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
            error = "Cannot read " + path + ": " + reason + ".";
            return false;
        case platform::ReadOutcome::NotRegular:
            error = path + " is not a regular file (a folder, a device or a pipe).";
            return false;
        case platform::ReadOutcome::TooLarge:
            error = path + " is larger than " + kMaxReadText +
                    ", far more than any address book; choose the right file.";
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
            error = path + " already exists.";
            return false;
        case platform::WriteOutcome::NotRegular:
            error = path + " is not a regular file (a folder, a device or a pipe); choose a file.";
            return false;
        case platform::WriteOutcome::Failed:
            error = "Cannot write " + path + ": " + reason + ".";
            return false;
    }
    return false;
}

}  // namespace transfer
