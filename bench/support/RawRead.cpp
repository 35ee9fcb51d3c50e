#include "RawRead.h"

#include <sqlite3.h>

namespace store {

namespace {
std::string TextOf(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}
}  // namespace

bool ReadAllPersonsRaw(const std::string& path, std::vector<PersonRow>& rows, std::string& error) {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    int code = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (code == SQLITE_OK)
        code = sqlite3_prepare_v2(db, "SELECT lngID, strName, dtmBirth, strComments FROM tblAges",
                                  -1, &stmt, nullptr);
    while (code == SQLITE_OK && (code = sqlite3_step(stmt)) == SQLITE_ROW) {
        rows.push_back({static_cast<std::int32_t>(sqlite3_column_int(stmt, 0)), TextOf(stmt, 1),
                        TextOf(stmt, 2), TextOf(stmt, 3)});
        code = SQLITE_OK;
    }
    const bool ok = code == SQLITE_DONE;
    if (!ok) error = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return ok;
}

}  // namespace store
