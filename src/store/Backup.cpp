#include "store/Backup.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "store/Connection.h"

namespace store {

namespace fs = std::filesystem;

namespace {

// Closes the handle however the copy ends.
struct Handle {
    sqlite3* db = nullptr;
    ~Handle() { sqlite3_close_v2(db); }
};

// SQLite's text for the code, and its more specific message when it has one.
std::string Describe(sqlite3* db, int code) {
    const std::string general = sqlite3_errstr(code);
    const std::string specific = db ? sqlite3_errmsg(db) : general;
    return specific == general ? general : general + " (" + specific + ")";
}

bool Open(const fs::path& path, int flags, Handle& handle, std::string& error) {
    const int code = sqlite3_open_v2(path.string().c_str(), &handle.db, flags, nullptr);
    if (code != SQLITE_OK) error = "cannot open " + path.string() + ": " + Describe(handle.db, code);
    return code == SQLITE_OK;
}

// Read-only on the database: a backup must never change or create the file it copies.
bool Copy(const fs::path& database, const fs::path& copy, std::string& error) {
    Handle source, target;
    if (!Open(database, SQLITE_OPEN_READONLY, source, error)) return false;
    sqlite3_busy_timeout(source.db, static_cast<int>(BusyTimeout().count()));
    if (!Open(copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, target, error)) return false;
    sqlite3_backup* backup = sqlite3_backup_init(target.db, "main", source.db, "main");
    if (!backup) {
        error = "cannot start the copy: " + Describe(target.db, sqlite3_errcode(target.db));
        return false;
    }
    const int step = sqlite3_backup_step(backup, -1);
    const int finish = sqlite3_backup_finish(backup);
    const int code = step != SQLITE_DONE ? step : finish;
    if (code == SQLITE_DONE || code == SQLITE_OK) return true;
    error = "cannot copy " + database.string() + ": " + sqlite3_errstr(code);
    return false;
}

// The copy counts only when SQLite finds nothing wrong in it: the backup copies pages
// as they are, so damage in the database shows up here rather than during the copy.
bool IntegrityOk(const fs::path& copy, std::string& error) {
    Handle handle;
    if (!Open(copy, SQLITE_OPEN_READONLY, handle, error)) return false;
    sqlite3_stmt* stmt = nullptr;
    int code = sqlite3_prepare_v2(handle.db, "PRAGMA integrity_check", -1, &stmt, nullptr);
    std::vector<std::string> rows;
    while (code == SQLITE_OK && (code = sqlite3_step(stmt)) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(stmt, 0);
        rows.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        code = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    if (code == SQLITE_DONE && rows.size() == 1 && rows.front() == "ok") return true;
    const std::string reason = code != SQLITE_DONE ? Describe(handle.db, code)
                                                   : (rows.empty() ? "no answer" : rows.front());
    error = "the copy failed its integrity check (" + reason + ") and was deleted";
    return false;
}

bool IsDayText(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// Names "STEM-YYYY-MM-DDEXT" sort by their day, so the newest come last by name.
void Prune(const fs::path& folder, const std::string& stem, const std::string& ext, int keep) {
    std::vector<fs::path> copies;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != stem.size() + 11 + ext.size()) continue;
        if (name.compare(0, stem.size() + 1, stem + "-") != 0) continue;
        if (name.compare(name.size() - ext.size(), ext.size(), ext) != 0) continue;
        if (!IsDayText(name.substr(stem.size() + 1, 10))) continue;
        if (entry.is_regular_file(ec)) copies.push_back(entry.path());
    }
    std::sort(copies.begin(), copies.end(), std::greater<>());
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < copies.size(); ++i)
        fs::remove(copies[i], ec);
}

}  // namespace

std::string BackupDay(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

BackupResult BackUpDatabase(const std::string& databasePath, const std::string& day,
                            std::string& error, int keep) {
    const fs::path database(databasePath);
    const fs::path folder = database.parent_path() / "backups";
    const std::string stem = database.stem().string();
    const std::string ext = database.extension().string();
    const fs::path target = folder / (stem + "-" + day + ext);
    std::error_code ec;
    if (fs::exists(target, ec)) {
        Prune(folder, stem, ext, keep);
        return BackupResult::AlreadyMade;
    }
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot make the folder " + folder.string() + ": " + ec.message();
        return BackupResult::Failed;
    }
    // The copy gets its real name only once it is whole and checked, so a copy cut off
    // half-way never passes for the day's backup.
    fs::path partial = target;
    partial += ".part";
    fs::remove(partial, ec);
    bool ok = Copy(database, partial, error) && IntegrityOk(partial, error);
    if (ok) {
        fs::rename(partial, target, ec);
        if (ec) error = "cannot name the copy " + target.string() + ": " + ec.message();
        ok = !ec;
    }
    if (!ok) {
        fs::remove(partial, ec);
        fs::remove(fs::path(partial) += "-journal", ec);
        return BackupResult::Failed;
    }
    Prune(folder, stem, ext, keep);
    return BackupResult::Made;
}

}  // namespace store
