#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Whole files in and out, with paths given as UTF-8 on every platform.
namespace transfer {

std::filesystem::path PathFromUtf8(const std::string& path);

// The file's name without its folder, as UTF-8: how messages name a file.
std::string FileLabel(const std::string& path);

// The largest file read whole: many times any address book, yet far below a disk
// image picked by mistake, which would take all of the machine's memory.
inline constexpr std::uint64_t kMaxReadBytes = 256ull * 1024 * 1024;
inline constexpr const char* kMaxReadText = "256 MB";

// False with `error` set when the file cannot be read: it is missing, unreadable, not
// a regular file (a folder, a device, a pipe: refused without waiting on it) or larger
// than kMaxReadBytes.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);

// Writes the file whole or not at all (platform::ReplaceFile: a link is written
// through, an existing file keeps its permissions, a new one is private). Without
// `overwrite` an existing file is refused, and `exists` tells the caller so; anything
// but a regular file is refused.
bool WriteFileBytes(const std::string& path, const std::string& bytes, bool overwrite, bool& exists,
                    std::string& error);

}  // namespace transfer
