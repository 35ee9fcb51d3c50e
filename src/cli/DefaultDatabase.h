#pragma once

#include <string>

namespace cli {

// The database used when no --database is given: the one the windowed program uses,
// Marrowtide.mdb in the program's folder. Every default lookup goes through here.
std::string DefaultDatabasePath();

}  // namespace cli
