#include "transfer/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

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
    const fs::path file = PathFromUtf8(path);
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        error = path + " is a folder, not a file.";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "Cannot open " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    const auto size = fs::file_size(file, ec);
    bytes.resize(ec ? 0 : static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // A file that grew meanwhile (or whose size was unknown) is read to its end.
    bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "Cannot read " + path + ".";
        return false;
    }
    return true;
}

namespace {

bool WriteWhole(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

bool WriteFileBytes(const std::string& path, const std::string& bytes, bool overwrite, bool& exists,
                    std::string& error) {
    const fs::path file = PathFromUtf8(path);
    std::error_code ec;
    const bool present = fs::exists(file, ec);
    exists = present && !overwrite;
    if (exists) {
        error = path + " already exists.";
        return false;
    }
    if (present && fs::is_directory(file, ec)) {
        error = path + " is a folder, not a file.";
        return false;
    }
    fs::path temporary = file;
    temporary += u8".marrowtide-partial";
    if (!WriteWhole(temporary, bytes)) {
        fs::remove(temporary, ec);
        error = "Cannot write " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    fs::rename(temporary, file, ec);
    if (ec) {
        fs::remove(temporary, ec);
        error = "Cannot write " + path + ": " + ec.message() + ".";
        return false;
    }
    return true;
}

}  // namespace transfer
