#pragma once

#include <cstdint>
#include <string>

namespace cli {

// The day the reminder last notified about a database, kept per database in the
// settings store, so that however often the check runs it notifies once a day.
bool RemindedOn(const std::string& database, std::int32_t day);
void RememberReminded(const std::string& database, std::int32_t day);

}  // namespace cli
