#pragma once

#include <string>
#include <string_view>

namespace store {

// A table or column name as an SQL identifier: in double quotes, each embedded
// double quote doubled, so that no name can end the identifier and add SQL of its own.
std::string QuoteIdentifier(std::string_view name);

// Compares names the way SQLite does for identifiers (ASCII letters without case).
bool SameIdentifier(std::string_view a, std::string_view b);

}  // namespace store
