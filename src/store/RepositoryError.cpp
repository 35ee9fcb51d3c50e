#include "store/RepositoryError.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

namespace store {

namespace {

RepositoryError::Kind KindOf(const Error& error, const std::string& path) {
    using Kind = RepositoryError::Kind;
    if (error.source != kSqliteSource)
        return error.number == kValueOutOfRange ? Kind::BadValue : Kind::Failed;
    switch (error.number & 0xFF) {
        case SQLITE_CANTOPEN: {
            std::error_code ec;
            return std::filesystem::exists(path, ec) ? Kind::ReadOnly : Kind::Missing;
        }
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return Kind::NotADatabase;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return Kind::ReadOnly;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Kind::Busy;
        default:
            return Kind::Failed;
    }
}

}  // namespace

RepositoryError RepositoryError::From(const Error& error, const std::string& path) {
    RepositoryError out;
    out.kind = KindOf(error, path);
    out.detail = error;
    out.message = error.description;
    if (out.kind == Kind::Missing) out.message = "There is no database file " + path + ".";
    return out;
}

}  // namespace store
