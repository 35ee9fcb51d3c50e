#pragma once

#include <filesystem>
#include <string>

// Whole files in and out, with paths given as UTF-8 on every platform.
namespace transfer {

std::filesystem::path PathFromUtf8(const std::string& path);

// The file's name without its folder, as UTF-8: how messages name a file.
std::string FileLabel(const std::string& path);

// False with `error` set when the file cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);

// Writes the file through a temporary file beside it that is renamed into place at the
// end, so the file is either written whole or left as it was. Without `overwrite` an
// existing file is refused, and `exists` tells the caller so.
bool WriteFileBytes(const std::string& path, const std::string& bytes, bool overwrite, bool& exists,
                    std::string& error);

}  // namespace transfer
