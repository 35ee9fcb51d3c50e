#pragma once

#include <string>
#include <string_view>

// Content lines as vCard and iCalendar share them.
namespace exchange {

// A text value with backslash, comma and semicolon escaped and each line break (CRLF,
// LF or CR) written as \n.
std::string EscapeText(std::string_view text);

// Appends the line with CRLF, folded so that no line exceeds 75 octets: each
// continuation starts with one blank, and a fold never splits a UTF-8 character.
void AppendFolded(std::string& out, std::string_view line);

}  // namespace exchange
