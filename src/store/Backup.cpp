#include "store/Backup.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "age/DateValue.h"
#include "platform/FileAccess.h"
#include "platform/ScratchFile.h"
#include "store/Connection.h"

namespace store {

namespace fs = std::filesystem;

namespace {

// A writer that keeps committing between chunks would make the copy start over for
// ever; after this many new starts the rest is copied in one go, under one read lock.
constexpr int kRestartsInChunks = 3;

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

bool StopAsked(const BackupControl& control) {
    return control.stop && control.stop->load();
}

// SQLite's progress callback: a nonzero answer interrupts the statement.
int InterruptWhenStopped(void* control) {
    return StopAsked(*static_cast<const BackupControl*>(control)) ? 1 : 0;
}

// Steps through the online backup chunk by chunk, so that a stop is seen soon and a
// writer waits for one chunk at most. Each step that finds the database changed since
// the last one starts the copy over, so what is copied is always one committed state.
int StepThrough(sqlite3_backup* backup, const BackupControl& control) {
    int restarts = 0;
    int remaining = INT_MAX;
    for (;;) {
        const int pages = restarts < kRestartsInChunks ? std::max(control.pagesPerStep, 1) : -1;
        const int code = sqlite3_backup_step(backup, pages);
        if (code != SQLITE_OK) return code;
        if (sqlite3_backup_remaining(backup) > remaining) ++restarts;
        remaining = sqlite3_backup_remaining(backup);
        if (control.afterStep) control.afterStep();
        if (StopAsked(control)) return SQLITE_INTERRUPT;
    }
}

// Read-only on the database: a backup must never change or create the file it copies.
// The copy is a scratch file: it needs no journal of its own, and no sync after each
// chunk, as it is synced once, whole, before it takes the day's name.
BackupResult Copy(const fs::path& database, const fs::path& copy, const BackupControl& control,
                  std::string& error) {
    Handle source, target;
    if (!Open(database, SQLITE_OPEN_READONLY, source, error)) return BackupResult::Failed;
    sqlite3_busy_timeout(source.db, static_cast<int>(BusyTimeout().count()));
    if (!Open(copy, SQLITE_OPEN_READWRITE, target, error)) return BackupResult::Failed;
    sqlite3_exec(target.db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr,
                 nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(target.db, "main", source.db, "main");
    if (!backup) {
        error = "cannot start the copy: " + Describe(target.db, sqlite3_errcode(target.db));
        return BackupResult::Failed;
    }
    const int step = StepThrough(backup, control);
    const int finish = sqlite3_backup_finish(backup);
    if (step == SQLITE_INTERRUPT) return BackupResult::Stopped;
    const int code = step != SQLITE_DONE ? step : finish;
    if (code == SQLITE_DONE || code == SQLITE_OK) return BackupResult::Made;
    error = "cannot copy " + database.string() + ": " + sqlite3_errstr(code);
    return BackupResult::Failed;
}

// The copy counts only when SQLite finds nothing wrong in it: the backup copies pages
// as they are, so damage in the database shows up here rather than during the copy.
BackupResult CheckIntegrity(const fs::path& copy, const BackupControl& control,
                            std::string& error) {
    Handle handle;
    if (!Open(copy, SQLITE_OPEN_READONLY, handle, error)) return BackupResult::Failed;
    sqlite3_progress_handler(handle.db, 1000, InterruptWhenStopped,
                             const_cast<BackupControl*>(&control));
    sqlite3_stmt* stmt = nullptr;
    int code = sqlite3_prepare_v2(handle.db, "PRAGMA integrity_check", -1, &stmt, nullptr);
    std::vector<std::string> rows;
    while (code == SQLITE_OK && (code = sqlite3_step(stmt)) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(stmt, 0);
        rows.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        code = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    if (code == SQLITE_INTERRUPT && StopAsked(control)) return BackupResult::Stopped;
    if (code == SQLITE_DONE && rows.size() == 1 && rows.front() == "ok") return BackupResult::Made;
    const std::string reason = code != SQLITE_DONE ? Describe(handle.db, code)
                                                   : (rows.empty() ? "no answer" : rows.front());
    error = "the copy failed its integrity check (" + reason + ") and was deleted";
    return BackupResult::Failed;
}

// "YYYY-MM-DD" naming a day that exists.
bool IsRealDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    modAgeCalc::DateParts parts;
    parts.year = std::stoi(text.substr(0, 4));
    parts.month = std::stoi(text.substr(5, 2));
    parts.day = std::stoi(text.substr(8, 2));
    parts.hour = parts.minute = parts.second = 0;
    return modAgeCalc::IsValidDateParts(parts);
}

bool IsSqliteFile(const fs::path& path) {
    static constexpr char kHeader[] = "SQLite format 3";  // with its terminating zero
    char start[sizeof kHeader] = {};
    std::ifstream file(path, std::ios::binary);
    return file.read(start, sizeof start) && std::equal(start, start + sizeof start, kHeader);
}

// The names the backup gives its copies: "STEM-YYYY-MM-DDEXT".
struct CopyNames {
    std::string stem;
    std::string ext;

    std::string For(const std::string& day) const { return stem + "-" + day + ext; }

    // The day in a name of this form, or "" for any other name.
    std::string DayOf(const std::string& name) const {
        if (name.size() != stem.size() + 11 + ext.size()) return {};
        if (name.compare(0, stem.size() + 1, stem + "-") != 0) return {};
        if (name.compare(name.size() - ext.size(), ext.size(), ext) != 0) return {};
        const std::string day = name.substr(stem.size() + 1, 10);
        return IsRealDay(day) ? day : std::string();
    }

    // The temporary names of copies being made, which no copy's name can match.
    std::string ScratchPrefix() const { return "." + stem + ext + ".backup-"; }
};

// Only what this backup could have made counts: a regular SQLite file (not a link, not
// a folder) under a copy's name with a real day no later than today. Names "STEM-
// YYYY-MM-DDEXT" sort by their day, so the newest come last by name.
void Prune(const fs::path& folder, const CopyNames& names, const std::string& today, int keep) {
    std::vector<fs::path> copies;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string day = names.DayOf(entry.path().filename().string());
        if (day.empty() || day > today) continue;
        if (entry.is_symlink(ec) || !entry.is_regular_file(ec)) continue;
        if (IsSqliteFile(entry.path())) copies.push_back(entry.path());
    }
    std::sort(copies.begin(), copies.end(), std::greater<>());
    const fs::path todays = folder / names.For(today);
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < copies.size(); ++i)
        if (copies[i] != todays) fs::remove(copies[i], ec);
}

// Copies, checks and names the copy; the scratch file goes away unless it got the name.
BackupResult MakeCopy(const fs::path& database, const fs::path& target, const CopyNames& names,
                      const BackupControl& control, std::string& error) {
    platform::ScratchFile scratch;
    if (!scratch.Create(target.parent_path(), names.ScratchPrefix(), error))
        return BackupResult::Failed;
    BackupResult result = Copy(database, scratch.path(), control, error);
    if (result == BackupResult::Made) result = CheckIntegrity(scratch.path(), control, error);
    if (result != BackupResult::Made) return result;
    if (!scratch.Sync(error)) return BackupResult::Failed;
    switch (scratch.PublishAs(target, error)) {
        case platform::ScratchFile::Publish::Done:
            return BackupResult::Made;
        case platform::ScratchFile::Publish::NameTaken:
            return BackupResult::AlreadyMade;
        default:
            return BackupResult::Failed;
    }
}

// What stands under the day's name, when it is not a copy.
std::string InTheWay(const fs::file_status& status) {
    switch (status.type()) {
        case fs::file_type::not_found:
        case fs::file_type::regular:
            return {};
        case fs::file_type::directory:
            return "a folder";
        case fs::file_type::symlink:
            return "a link";
        default:
            return "something that is not a file";
    }
}

}  // namespace

std::string BackupDay(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string BackupFolder(const std::string& databasePath) {
    return (fs::path(databasePath).parent_path() / "backups").string();
}

BackupResult BackUpDatabase(const std::string& databasePath, const std::string& day,
                            std::string& error, int keep, const BackupControl& control) {
    const fs::path database(databasePath);
    const fs::path folder = BackupFolder(databasePath);
    const CopyNames names{database.stem().string(), database.extension().string()};
    const fs::path target = folder / names.For(day);
    std::error_code ec;
    const fs::file_status standing = fs::symlink_status(target, ec);
    if (const std::string other = InTheWay(standing); !other.empty()) {
        error = "there is " + other + " where the day's copy goes: " + target.string();
        return BackupResult::Failed;
    }
    // What a killed copy left goes at the next start, whether or not that one copies.
    platform::ScratchFile::RemoveAbandoned(folder, names.ScratchPrefix());
    BackupResult result = BackupResult::AlreadyMade;
    if (standing.type() != fs::file_type::regular) {
        if (std::string reason; !platform::MakePrivateFolders(folder.string(), reason)) {
            error = "cannot make the folder " + folder.string() + ": " + reason;
            return BackupResult::Failed;
        }
        result = MakeCopy(database, target, names, control, error);
    }
    if (result == BackupResult::Made || result == BackupResult::AlreadyMade)
        Prune(folder, names, day, keep);
    return result;
}

}  // namespace store
