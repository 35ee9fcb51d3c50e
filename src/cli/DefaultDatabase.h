#pragma once

#include <optional>
#include <string>

namespace cli {

// The database used when no --database is given: the one the windowed program opens,
// by the same rule (Marrowtide.mdb beside the program when it exists, else the one in
// the user's data folder, made empty there on first use). Nothing, with `error` set,
// when neither can be had.
std::optional<std::string> DefaultDatabasePath(std::string& error);

}  // namespace cli
