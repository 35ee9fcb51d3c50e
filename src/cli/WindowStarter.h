#pragma once

#include <string>
#include <vector>

namespace cli {

// Starts the windowed program that sits beside the companion, on its own, with these
// arguments. False when it could not be started.
bool StartWindow(const std::vector<std::string>& arguments);

}  // namespace cli
