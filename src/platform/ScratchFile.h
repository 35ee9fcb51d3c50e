#pragma once

#include <filesystem>
#include <string>

namespace platform {

// A new file of the program's own, made under a name nobody can guess (never through a
// link, never an existing file), readable and writable by the user only, that takes its
// real name only once its contents are complete. While the object lives it holds a lock
// on the file, so that RemoveAbandoned can tell a file another program is still writing
// from one left behind by a program that was killed. A file that never got its real
// name is removed when the object goes away.
class ScratchFile {
public:
    enum class Publish { Done, NameTaken, Failed };

    ScratchFile() = default;
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Makes the file in `folder`, its name `prefix` and six random characters.
    bool Create(const std::filesystem::path& folder, const std::string& prefix, std::string& error);
    const std::filesystem::path& path() const { return path_; }

    // Writes what the file holds to the disk.
    bool Sync(std::string& error);

    // Gives the file the name `target` (in the same folder) unless something already has
    // that name, which is never replaced: then NameTaken and the file is removed.
    Publish PublishAs(const std::filesystem::path& target, std::string& error);

    // Removes the files named `prefix` and six characters in `folder` that no living
    // ScratchFile holds and that have not changed for a minute.
    static void RemoveAbandoned(const std::filesystem::path& folder, const std::string& prefix);

private:
    void Discard();

    int fd_ = -1;
    std::filesystem::path path_;
    bool published_ = false;
};

}  // namespace platform
