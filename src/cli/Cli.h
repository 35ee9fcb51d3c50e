#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

struct RemindDesktop;

// Runs one command line (the arguments after the program's name) and returns the exit
// status. Results go to `out`, messages to `err`. `remind` reaches the desktop through
// `desktop`, or when it is nullptr through the desktop's own services.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           RemindDesktop* desktop = nullptr);

}  // namespace cli
