#pragma once

#include <cstdint>
#include <string>

#include "store/Error.h"
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

// Deletes the rows of `table` whose `field` equals `value`. The names are quoted as
// identifiers and the value is bound, so neither can carry SQL. No match is no error.
void DeleteRecord(const std::string& table, const std::string& field, std::int32_t value);

// Null as the empty text; every other value unchanged.
store::Value NullToEmpty(const store::Value& value);
store::ValueView NullToEmpty(const store::ValueView& value);

// "Error: <number> - <description>\r\nFrom: <source>."
std::string StoreErrorText(const store::Error& e);

}  // namespace modAgeCalc
