#pragma once

#include <string>

#include "store/Error.h"

namespace store {

// Why a person repository call failed, sorted so that a caller can decide without
// reading texts (a command line picks its exit status, a window its wording).
struct RepositoryError {
    enum class Kind {
        None,
        Missing,       // no file at the path
        NotADatabase,  // a file, but no database (or a damaged one)
        ReadOnly,      // the file or its folder cannot be written
        Busy,          // another program holds it locked
        BadValue,      // a value the table cannot keep (a birth outside the calendar)
        Failed,        // anything else the database refused
    };

    Kind kind = Kind::None;
    std::string message;  // one line for the user, naming the file where it helps
    Error detail;         // the failure as the store met it

    // The kind a store failure on the file at `path` stands for.
    static RepositoryError From(const Error& error, const std::string& path);
};

}  // namespace store
