#include "store/PersonStore.h"

#include <functional>
#include <vector>

#include "platform/EventPump.h"
#include "platform/Translate.h"
#include "store/BirthText.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/Identifier.h"
#include "store/Recordset.h"
#include "store/StepGuard.h"

namespace modAgeCalc {

using store::Error;
using store::StepGuard;
using Outcome = store::StepGuard::Outcome;

namespace {

// The field and update steps of a save, run on the recordset's current row.
// Returns false when the user aborted.
bool WriteRow(StepGuard& guard, store::Recordset& rs, const std::string& name, double birth,
              const std::string& comments) {
    const std::string birthText = BirthToIso(birth);
    const std::function<bool(Error&)> steps[] = {
        [&](Error& e) { return rs.SetField("strName", name, e); },
        [&](Error& e) {
            if (birthText.empty()) {
                e = store::StoreError(
                    store::kValueOutOfRange,
                    platform::Translate("store",
                                        "The birth date lies outside 01/01/0100 to 12/31/9999."));
                return false;
            }
            return rs.SetField("dtmBirth", birthText, e);
        },
        [&](Error& e) { return rs.SetField("strComments", comments.empty() ? "." : comments, e); },
        [&](Error& e) { return rs.Update(e); },
    };
    for (const auto& step : steps)
        if (guard.Run(step) == Outcome::Aborted) return false;
    return true;
}

// Opens the file and the query, adds the new row when adding, and writes the row.
// Returns false when the user aborted.
bool SaveSteps(StepGuard& guard, store::Connection& conn, store::Recordset& rs, std::int32_t key,
               const std::string& name, double birth, const std::string& comments) {
    const bool adding = key == 0;
    // Adding never reads the rows the query selects, so they are not fetched.
    const auto fetch =
        adding ? store::Recordset::Fetch::OnFirstUse : store::Recordset::Fetch::AtOpen;
    const std::string sql =
        adding ? "SELECT * FROM tblAges;" : "SELECT * FROM tblAges WHERE lngID = ?;";
    const std::vector<store::Value> params =
        adding ? std::vector<store::Value>{} : std::vector<store::Value>{std::int64_t{key}};

    if (guard.Run([&](Error& e) { return conn.Open(DatabasePath(), e); }) == Outcome::Aborted)
        return false;
    if (guard.Run([&](Error& e) { return rs.Open(conn, sql, params, e, fetch); }) ==
        Outcome::Aborted)
        return false;
    if (adding) {
        const Outcome added = guard.Run([&](Error& e) { return rs.AddNew(e); });
        if (added == Outcome::Aborted) return false;
        // Without the new row the current row (if any) is another person's; writing
        // there would overwrite that person, so nothing is written at all.
        if (added == Outcome::Ignored) return true;
    }
    return WriteRow(guard, rs, name, birth, comments);
}

}  // namespace

std::string SavePerson(std::int32_t key, const std::string& name, double birth,
                       const std::string& comments) {
    StepGuard guard;
    store::Connection conn;
    store::Recordset rs;
    if (SaveSteps(guard, conn, rs, key, name, birth, comments)) platform::DoEvents();
    // Clean-up: closing never reports a failure.
    rs.Close();
    conn.Close();
    return guard.Result();
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
