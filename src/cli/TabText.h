#pragma once

#include <string>
#include <string_view>

namespace cli {

// A text as one field of a tab-separated line: backslash, tab, line feed and carriage
// return written as \\, \t, \n and \r, so every person stays on one line.
std::string TabField(std::string_view text);

}  // namespace cli
