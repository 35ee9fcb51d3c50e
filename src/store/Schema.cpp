#include "store/Schema.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/FileAccess.h"

namespace store {

namespace {

// Creates the file only if nothing is there yet: exclusive creation cannot race with
// another program creating it between a check and the create.
bool CreateExclusively(const std::string& path, std::string& error) {
    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) {
        error = path + " already exists; it was left untouched.";
        return false;
    }
    // The birth dates are nobody else's business: the file is the user's alone.
    std::string reason;
    if (!platform::CreatePrivateFile(path, reason)) {
        error = "Cannot create " + path + ": " + reason +
                (reason == std::strerror(EEXIST) ? " (it was left untouched)." : ".");
        return false;
    }
    return true;
}

bool CreateTable(const std::string& path, std::string& error) {
    sqlite3* db = nullptr;
    int code = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (code == SQLITE_OK) {
        const std::string sql =
            std::string("PRAGMA synchronous = FULL; BEGIN; ") + kPersonTableSql + "; COMMIT;";
        code = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    if (code != SQLITE_OK) error = "Cannot create the table in " + path + ": " + sqlite3_errmsg(db);
    sqlite3_close_v2(db);
    return code == SQLITE_OK;
}

}  // namespace

bool CreateEmptyDatabase(const std::string& path, std::string& error) {
    if (!CreateExclusively(path, error)) return false;
    if (CreateTable(path, error)) return true;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace store
