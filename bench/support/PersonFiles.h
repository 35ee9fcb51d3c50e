#pragma once

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace bench {

// Person databases for measuring, in a temporary folder removed at the end.
class PersonFiles {
public:
    // A folder holding a Marrowtide.mdb with `count` people (made on first use): names
    // from a few first and last names with a number, births spread over a hundred years
    // with a time of day, every third comment ".".
    std::string folderWith(int count);

private:
    testsupport::TempDir root_;
};

}  // namespace bench
