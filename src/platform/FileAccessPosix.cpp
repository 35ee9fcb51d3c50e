// The POSIX side of FileAccess.h. Another system gets a file of its own beside this one.
#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <utility>

#include "platform/FileAccess.h"

namespace platform {

namespace {

constexpr mode_t kPrivateFolder = 0700;
constexpr mode_t kPrivateFile = 0600;
constexpr int kMaxLinkHops = 40;

// Closes on leaving scope; Release hands the descriptor back to the caller.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            error = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The bytes, the mode and the data on disk, then the descriptor closed: a full disk
// can show up at any of these, and only the first failure counts.
bool FillAndClose(FileHandle& file, std::string_view bytes, mode_t mode, int& error) {
    bool ok = ::fchmod(file.get(), mode) == 0 || ((error = errno), false);
    ok = ok && WriteAll(file.get(), bytes, error);
    ok = ok && (::fsync(file.get()) == 0 || ((error = errno), false));
    const int fd = file.release();
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    return ok;
}

std::string RandomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string suffix;
    for (int i = 0; i < 12; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

std::string TemporaryPrefix(const std::string& target) {
    return FolderOf(target) + "/." + NameOf(target) + ".marrowtide-";
}

#if defined(O_TMPFILE)
// Linux: the data goes into a file without a name, which gets one only once it is
// complete. A kill while writing leaves nothing behind. False (and nothing made) where
// the file system or the system cannot do it; the caller then takes a named file.
bool WriteUnnamed(const std::string& target, std::string_view bytes, mode_t mode,
                  std::string& temporary) {
    FileHandle file(
        ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kPrivateFile));
    if (file.get() < 0) return false;
    int error = 0;
    if (!WriteAll(file.get(), bytes, error) || ::fchmod(file.get(), mode) != 0 ||
        ::fsync(file.get()) != 0)
        return false;
    const std::string self = "/proc/self/fd/" + std::to_string(file.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryPrefix(target) + RandomSuffix();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) return false;
    }
    return false;
}
#else
bool WriteUnnamed(const std::string&, std::string_view, mode_t, std::string&) {
    return false;
}
#endif

// A named temporary file made exclusively (never through a link) under a random name.
bool WriteNamed(const std::string& target, std::string_view bytes, mode_t mode,
                std::string& temporary, int& error) {
    std::string pattern = TemporaryPrefix(target) + "XXXXXX";
    FileHandle file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.get() < 0) {
        error = errno;
        return false;
    }
    temporary = pattern;
    if (FillAndClose(file, bytes, mode, error)) return true;
    ::unlink(temporary.c_str());
    return false;
}

// Follows links from `path` to the file they end at, which need not exist yet.
bool ResolveLinks(const std::string& path, std::string& target, struct stat& info, bool& exists,
                  int& error) {
    target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        if (::lstat(target.c_str(), &info) != 0) {
            exists = false;
            if (errno == ENOENT) return true;
            error = errno;
            return false;
        }
        exists = true;
        if (!S_ISLNK(info.st_mode)) return true;
        std::string link(4096, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) {
            error = errno;
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        target = link.starts_with('/') ? link : FolderOf(target) + "/" + link;
    }
    error = ELOOP;
    return false;
}

void SyncFolder(const std::string& folder) {
    const FileHandle handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.get() >= 0) ::fsync(handle.get());
}

bool ReadAll(int fd, std::uint64_t limit, std::string& bytes, bool& tooLarge, int& error) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = errno;
            return false;
        }
        if (got == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > limit) {  // it grew while being read
            tooLarge = true;
            return false;
        }
    }
}

}  // namespace

std::string SystemText(int error) {
    return std::strerror(error);
}

bool MakePrivateFolders(const std::string& path, std::string& reason) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string folder = path.substr(0, end);
        if (!folder.empty() && ::mkdir(folder.c_str(), kPrivateFolder) == 0) {
            ::chmod(folder.c_str(), kPrivateFolder);  // the umask may have taken bits away
        } else if (!folder.empty() && errno != EEXIST) {
            reason = SystemText(errno);
            return false;
        }
        if (end == std::string::npos) break;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
    reason = SystemText(ENOTDIR);
    return false;
}

bool CreatePrivateFile(const std::string& path, std::string& reason) {
    const FileHandle file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFile));
    if (file.get() >= 0) return true;
    reason = SystemText(errno);
    return false;
}

ReadOutcome ReadRegularFile(const std::string& path, std::uint64_t limit, std::string& bytes,
                            std::string& reason) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer that never comes.
    const FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        reason = SystemText(error);
        return error == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        reason = SystemText(errno);
        return ReadOutcome::Failed;
    }
    if (!S_ISREG(info.st_mode)) return ReadOutcome::NotRegular;
    if (static_cast<std::uint64_t>(info.st_size) > limit) return ReadOutcome::TooLarge;
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    bool tooLarge = false;
    int error = 0;
    if (ReadAll(file.get(), limit, bytes, tooLarge, error)) return ReadOutcome::Read;
    bytes.clear();
    if (tooLarge) return ReadOutcome::TooLarge;
    reason = SystemText(error);
    return ReadOutcome::Failed;
}

WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes, bool overwrite,
                         std::string& reason) {
    std::string target;
    struct stat info {};
    bool exists = false;
    int error = 0;
    if (!ResolveLinks(path, target, info, exists, error)) {
        reason = SystemText(error);
        return WriteOutcome::Failed;
    }
    if (exists && !S_ISREG(info.st_mode)) return WriteOutcome::NotRegular;
    if (exists && !overwrite) return WriteOutcome::Exists;
    const mode_t mode = exists ? (info.st_mode & 07777) : kPrivateFile;
    std::string temporary;
    if (!WriteUnnamed(target, bytes, mode, temporary) &&
        !WriteNamed(target, bytes, mode, temporary, error)) {
        reason = SystemText(error);
        return WriteOutcome::Failed;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;  // kept before the clean-up can change it
        ::unlink(temporary.c_str());
        reason = SystemText(error);
        return WriteOutcome::Failed;
    }
    SyncFolder(FolderOf(target));
    return WriteOutcome::Written;
}

}  // namespace platform

#endif
