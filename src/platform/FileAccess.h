#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Files and folders the way the program's data needs them: private to the user, read
// without waiting on devices, written whole or not at all. Paths are UTF-8. Every
// failure's `reason` is the system's text for the call that actually failed.
namespace platform {

// Makes the folder and any missing folders above it, each readable by the user only
// (0700 on POSIX). Folders that exist already keep their permissions.
bool MakePrivateFolders(const std::string& path, std::string& reason);

// Creates a new empty file readable and writable by the user only (0600 on POSIX).
// Fails (reason names "File exists") when anything is at `path`, a link included.
bool CreatePrivateFile(const std::string& path, std::string& reason);

// The system's text for an error number, as the messages quote it.
std::string SystemText(int error);

enum class ReadOutcome { Read, Missing, NotRegular, TooLarge, Failed };

// Reads a whole regular file of at most `limit` bytes. Anything else (a folder, a
// device, a pipe) is refused at once without reading from it or waiting on it.
ReadOutcome ReadRegularFile(const std::string& path, std::uint64_t limit, std::string& bytes,
                            std::string& reason);

enum class WriteOutcome { Written, Exists, NotRegular, Failed };

// Writes `bytes` as the file at `path`: into a temporary file made exclusively under a
// name nobody can guess in the target's folder, which then replaces the target in one
// step, so the target is either the old file or the whole new one. A link at `path`
// is followed: the file it names is replaced and the link stays. An existing target
// keeps its permissions; a new one is private to the user. Without `overwrite` an
// existing target is refused (Exists); one that is not a regular file always is
// (NotRegular).
WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes, bool overwrite,
                         std::string& reason);

}  // namespace platform
