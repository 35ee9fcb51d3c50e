#pragma once

#include <string>
#include <string_view>

// Turning the bytes of an exchanged file into UTF-8 text.
namespace exchange {

bool IsValidUtf8(std::string_view bytes);

// Windows-1252 (a superset of ISO-8859-1 for printable text) to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// The bytes as they are when they are valid UTF-8, else read as Windows-1252: files
// written by older Windows programs carry their accented letters that way, and
// reading them as UTF-8 would turn each into a replacement character.
std::string Utf8OrCp1252(std::string_view bytes);

// A whole file's text without its byte-order mark: UTF-8 as it is, UTF-16 (LE or BE,
// recognised by its mark) converted. Unpaired surrogates become U+FFFD.
std::string FileTextToUtf8(std::string_view bytes);

}  // namespace exchange
