#include "store/PersonStore.h"

#include <functional>
#include <vector>

#include "platform/EventPump.h"
#include "platform/Translate.h"
#include "store/BirthText.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/Identifier.h"
#include "store/PersonStamp.h"
#include "store/Recordset.h"
#include "store/StepGuard.h"

namespace modAgeCalc {

using store::Error;
using store::StepGuard;
using Outcome = store::StepGuard::Outcome;

namespace {

// The field and update steps of a save, run on the recordset's current row. A request
// without a birth leaves the stored one alone. Returns false when the user aborted.
// The dtmBirth text a request stores; empty for a birth that has none.
std::string StoredBirthText(const SaveRequest& request) {
    if (request.yearless.IsSet()) return YearlessToText(request.yearless);
    return request.birth ? BirthToIso(*request.birth) : std::string();
}

bool WriteRow(StepGuard& guard, store::Recordset& rs, const SaveRequest& request) {
    const bool writesBirth = request.birth || request.yearless.IsSet();
    const std::string birthText = StoredBirthText(request);
    const std::function<bool(Error&)> steps[] = {
        [&](Error& e) { return rs.SetField("strName", request.name, e); },
        [&](Error& e) {
            if (!writesBirth) return true;
            if (birthText.empty()) {
                e = store::StoreError(
                    store::kValueOutOfRange,
                    platform::Translate("store",
                                        "The birth date lies outside 01/01/0100 to 12/31/9999."));
                return false;
            }
            return rs.SetField("dtmBirth", birthText, e);
        },
        [&](Error& e) {
            const std::string& comments = request.comments;
            return rs.SetField("strComments", comments.empty() ? "." : comments, e);
        },
        [&](Error& e) { return rs.Update(e); },
    };
    for (const auto& step : steps)
        if (guard.Run(step) == Outcome::Aborted) return false;
    return true;
}

enum class Steps { Done, Aborted, ChangedOutside, DeletedOutside };

// Whether the row the save is about to change is still the one the caller read:
// changed, or gone. Without a result set to look at, the field steps report the failure.
Steps CheckRowAsRead(store::Recordset& rs, const SaveRequest& request) {
    if (request.key == 0 || !request.readAs || !rs.IsOpen()) return Steps::Done;
    if (rs.Eof()) return Steps::DeletedOutside;
    if (store::StampOfCurrentRow(rs) != *request.readAs) return Steps::ChangedOutside;
    return Steps::Done;
}

// Opens the file and the query, adds the new row when adding, and writes the row.
Steps SaveSteps(StepGuard& guard, store::Connection& conn, store::Recordset& rs,
                const SaveRequest& request) {
    const bool adding = request.key == 0;
    // Adding never reads the rows the query selects, so they are not fetched.
    const auto fetch =
        adding ? store::Recordset::Fetch::OnFirstUse : store::Recordset::Fetch::AtOpen;
    const std::string sql =
        adding ? "SELECT * FROM tblAges;" : "SELECT * FROM tblAges WHERE lngID = ?;";
    const std::vector<store::Value> params =
        adding ? std::vector<store::Value>{}
               : std::vector<store::Value>{std::int64_t{request.key}};

    if (guard.Run([&](Error& e) { return conn.Open(DatabasePath(), e); }) == Outcome::Aborted)
        return Steps::Aborted;
    if (guard.Run([&](Error& e) { return rs.Open(conn, sql, params, e, fetch); }) ==
        Outcome::Aborted)
        return Steps::Aborted;
    if (const Steps check = CheckRowAsRead(rs, request); check != Steps::Done) return check;
    if (adding) {
        const Outcome added = guard.Run([&](Error& e) { return rs.AddNew(e); });
        if (added == Outcome::Aborted) return Steps::Aborted;
        // Without the new row the current row (if any) is another person's; writing
        // there would overwrite that person, so nothing is written at all.
        if (added == Outcome::Ignored) return Steps::Done;
    }
    return WriteRow(guard, rs, request) ? Steps::Done : Steps::Aborted;
}

}  // namespace

SaveOutcome SavePerson(const SaveRequest& request, std::string& errorText) {
    StepGuard guard;
    store::Connection conn;
    store::Recordset rs;
    const Steps steps = SaveSteps(guard, conn, rs, request);
    if (steps == Steps::Done) platform::DoEvents();
    // Clean-up: closing never reports a failure.
    rs.Close();
    conn.Close();
    errorText = guard.Result();
    if (errorText.empty() && steps == Steps::ChangedOutside) return SaveOutcome::ChangedOutside;
    if (errorText.empty() && steps == Steps::DeletedOutside) return SaveOutcome::DeletedOutside;
    return errorText.empty() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

std::string SavePerson(std::int32_t key, const std::string& name, double birth,
                       const std::string& comments) {
    std::string errorText;
    SavePerson(SaveRequest{key, name, birth, comments, std::nullopt, {}}, errorText);
    return errorText;
}

void DeleteRecord(const std::string& table, const std::string& field, std::int32_t value) {
    StepGuard guard;
    store::Connection conn;
    const std::string sql = "DELETE FROM " + store::QuoteIdentifier(table) + " WHERE " +
                            store::QuoteIdentifier(field) + " = ?;";
    if (guard.Run([&](Error& e) { return conn.Open(DatabasePath(), e); }) != Outcome::Aborted)
        guard.Run([&](Error& e) { return conn.Execute(sql, {std::int64_t{value}}, e); });
    conn.Close();
}

namespace {

enum class RowCheck { Unchanged, Changed, Unread };

// Whether the person's row is still the one the caller read. A row that could not be
// read (the failure was shown) is never deleted unchecked.
RowCheck CheckStoredRow(StepGuard& guard, store::Connection& conn, std::int32_t key,
                        store::PersonStamp readAs) {
    store::Recordset rs;
    if (guard.Run([&](Error& e) {
            return rs.Open(conn, "SELECT * FROM tblAges WHERE lngID = ?;", {std::int64_t{key}}, e);
        }) != Outcome::Done)
        return RowCheck::Unread;
    const bool changed = rs.Eof() || store::StampOfCurrentRow(rs) != readAs;
    rs.Close();
    return changed ? RowCheck::Changed : RowCheck::Unchanged;
}

// The check and the delete in one write transaction, taken before the check, so that
// no other program can change the row in between.
DeleteOutcome DeleteCheckedRow(StepGuard& guard, store::Connection& conn, std::int32_t key,
                               store::PersonStamp readAs) {
    if (guard.Run([&](Error& e) { return conn.Execute("BEGIN IMMEDIATE;", {}, e); }) !=
        Outcome::Done)
        return DeleteOutcome::Failed;
    if (const RowCheck check = CheckStoredRow(guard, conn, key, readAs);
        check != RowCheck::Unchanged) {
        Error ignored;
        conn.Execute("ROLLBACK;", {}, ignored);
        return check == RowCheck::Changed ? DeleteOutcome::ChangedOutside : DeleteOutcome::Failed;
    }
    const auto run = [&](const char* sql, const std::vector<store::Value>& params) {
        return guard.Run([&](Error& e) { return conn.Execute(sql, params, e); });
    };
    if (run("DELETE FROM tblAges WHERE lngID = ?;", {std::int64_t{key}}) == Outcome::Done &&
        run("COMMIT;", {}) == Outcome::Done)
        return DeleteOutcome::Deleted;
    Error ignored;
    conn.Execute("ROLLBACK;", {}, ignored);
    return DeleteOutcome::Failed;
}

}  // namespace

DeleteOutcome DeletePerson(std::int32_t key, std::optional<store::PersonStamp> readAs) {
    if (!readAs) {
        DeleteRecord("tblAges", "lngID", key);
        return DeleteOutcome::Deleted;
    }
    StepGuard guard;
    store::Connection conn;
    DeleteOutcome outcome = DeleteOutcome::Failed;
    if (guard.Run([&](Error& e) { return conn.Open(DatabasePath(), e); }) == Outcome::Done)
        outcome = DeleteCheckedRow(guard, conn, key, *readAs);
    conn.Close();
    return outcome;
}

store::Value NullToEmpty(const store::Value& value) {
    return store::IsNull(value) ? store::Value(std::string()) : value;
}

store::ValueView NullToEmpty(const store::ValueView& value) {
    return store::IsNull(value) ? store::ValueView(std::string_view()) : value;
}

std::string StoreErrorText(const store::Error& e) {
    return "Error: " + std::to_string(e.number) + " - " + e.description + "\r\nFrom: " + e.source +
           ".";
}

}  // namespace modAgeCalc
