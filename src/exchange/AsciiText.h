#pragma once

#include <string>
#include <string_view>

// The plain-ASCII text rules every reader and writer of exchanged files shares: the
// formats' keywords and separators are ASCII, and no locale may change what they mean.
namespace exchange {

// Blank, tab, CR and LF: the white space the formats pass over.
inline constexpr std::string_view kWhiteSpace = " \t\r\n";

bool IsBlank(std::string_view text);  // empty or white space only
// The whole text as a number of one to `widest` ASCII digits; false for anything else.
bool ReadDigits(std::string_view text, std::size_t widest, int& out);
std::string_view Trimmed(std::string_view text);

// ASCII letters only; every other byte stays as it is.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

}  // namespace exchange
