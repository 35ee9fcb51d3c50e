#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "age/YearlessBirth.h"
#include "store/Error.h"
#include "store/PersonStamp.h"
#include "store/Value.h"

// The writing routines of the person store and their helpers. Each call opens its own
// connection to Database.h's DatabasePath() and closes it before it returns.
namespace modAgeCalc {

// Adds a person (key 0) or changes the row with that key in tblAges. An empty comment
// is stored as ".". A failed step is shown in the Abort/Retry/Ignore dialog. Returns
// the empty text when the row was written whole (also after successful retries), else
// the store error text of the last failure.
std::string SavePerson(std::int32_t key, const std::string& name, double birth,
                       const std::string& comments);

// A save as the person editor asks for it. `birth` empty leaves a stored person's birth
// exactly as it is stored (Null included); `readAs`, the stamp of the row as the list
// read it, makes a change of a stored person first check that the row still is so.
// A set `yearless` is stored as "--MM-DD" (with the time of day) in place of `birth`.
struct SaveRequest {
    std::int32_t key = 0;
    std::string name;
    std::optional<double> birth;
    std::string comments;
    std::optional<store::PersonStamp> readAs;
    YearlessBirth yearless;
};

enum class SaveOutcome { Saved, Failed, ChangedOutside, DeletedOutside };

// SavePerson for a request. ChangedOutside or DeletedOutside, with nothing written and
// no dialog shown, when the row differs from `readAs` or is gone. Otherwise Saved or
// Failed with `errorText` as SavePerson would return it.
SaveOutcome SavePerson(const SaveRequest& request, std::string& errorText);

enum class DeleteOutcome { Deleted, Failed, ChangedOutside };

// Deletes the person with `key`. With `readAs`, the stamp of the row as the list read
// it, the row is checked and deleted inside one write transaction: when it changed or
// is gone, nothing is deleted (ChangedOutside, no dialog shown). Failed steps are shown
// in the Abort/Retry/Ignore dialog, as for a save.
DeleteOutcome DeletePerson(std::int32_t key, std::optional<store::PersonStamp> readAs);

// Deletes the rows of `table` whose `field` equals `value`. The names are quoted as
// identifiers and the value is bound, so neither can carry SQL. No match is no error.
void DeleteRecord(const std::string& table, const std::string& field, std::int32_t value);

// Null as the empty text; every other value unchanged.
store::Value NullToEmpty(const store::Value& value);
store::ValueView NullToEmpty(const store::ValueView& value);

// "Error: <number> - <description>\r\nFrom: <source>."
std::string StoreErrorText(const store::Error& e);

}  // namespace modAgeCalc
