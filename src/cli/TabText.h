#pragma once

#include <string>
#include <string_view>

namespace cli {

// A text as one field of a tab-separated line for a terminal: backslash, tab, line feed
// and carriage return written as \\, \t, \n and \r, so every person stays on one line;
// every other control character (C0, DEL, C1) and every byte that is not part of valid
// UTF-8 as \xHH, so a stored text can neither recolour nor rewrite the terminal.
std::string TabField(std::string_view text);

}  // namespace cli
