#pragma once

#include <filesystem>
#include <string>

namespace bench {

// Person databases for measuring, in a temporary folder removed at the end.
class PersonFiles {
public:
    PersonFiles();
    ~PersonFiles();
    PersonFiles(const PersonFiles&) = delete;
    PersonFiles& operator=(const PersonFiles&) = delete;

    // A folder holding a Marrowtide.mdb with `count` people (made on first use): names
    // from a few first and last names with a number, births spread over a hundred years
    // with a time of day, every third comment ".".
    std::string folderWith(int count);

private:
    std::filesystem::path root_;
};

}  // namespace bench
