#pragma once

#include <string>

namespace platform {

// The folder that holds the running executable, as UTF-8 without a trailing separator;
// the empty text (the current folder) when the system cannot tell. Needs no window system.
std::string ExecutableFolder();

}  // namespace platform
