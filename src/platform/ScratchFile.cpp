#include "platform/ScratchFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>
#include <vector>

#include "platform/FileAccess.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRandomLength = 6;  // mkstemp's XXXXXX
constexpr std::time_t kAbandonedAfterSeconds = 60;

// Renames without ever replacing `to`. Filesystems without the atomic call get the same
// through a second link, which also fails when the name exists.
int RenameNoReplace(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    ::unlink(from.c_str());
    return 0;
}

// The new name counts only once the folder's entry is on the disk too.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Only an old file is opened at all: opening and closing a file this program's SQLite
// has open would drop SQLite's locks on it.
bool IsAbandoned(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        std::time(nullptr) - info.st_mtime <= kAbandonedAfterSeconds)
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool unheld = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return unheld;
}

}  // namespace

ScratchFile::~ScratchFile() {
    Discard();
}

bool ScratchFile::Create(const fs::path& folder, const std::string& prefix, std::string& error) {
    Discard();
    std::string name = (folder / (prefix + std::string(kRandomLength, 'X'))).string();
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    // mkstemp opens with O_EXCL and mode 0600: never someone else's file, never a link.
    fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error = "cannot make a file in " + folder.string() + ": " + SystemText(errno);
        return false;
    }
    path_ = buffer.data();
    published_ = false;
    ::flock(fd_, LOCK_EX | LOCK_NB);
    return true;
}

bool ScratchFile::Sync(std::string& error) {
    if (::fsync(fd_) == 0) return true;
    error = "cannot write " + path_.string() + " to the disk: " + SystemText(errno);
    return false;
}

ScratchFile::Publish ScratchFile::PublishAs(const fs::path& target, std::string& error) {
    const int code = RenameNoReplace(path_, target);
    if (code == EEXIST) {
        Discard();
        return Publish::NameTaken;
    }
    if (code != 0) {
        error = "cannot name the copy " + target.string() + ": " + SystemText(code);
        return Publish::Failed;
    }
    published_ = true;
    SyncFolder(target.parent_path());
    return Publish::Done;
}

// Closing the descriptor also gives up the lock; the file goes first, so that nobody
// else takes it for abandoned meanwhile.
void ScratchFile::Discard() {
    if (fd_ < 0) return;
    if (!published_) ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

void ScratchFile::RemoveAbandoned(const fs::path& folder, const std::string& prefix) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + kRandomLength ||
            name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (IsAbandoned(entry.path())) ::unlink(entry.path().c_str());
    }
}

}  // namespace platform
