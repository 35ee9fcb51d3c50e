#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Runs one command line (the arguments after the program's name) and returns the exit
// status. Results go to `out`, messages to `err`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
