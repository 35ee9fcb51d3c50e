#pragma once

#include <string>
#include <string_view>

// Turning the bytes of an exchanged file into UTF-8 text.
namespace exchange {

bool IsValidUtf8(std::string_view bytes);

// The length of the valid UTF-8 sequence that starts at `i` (1 for ASCII); 0 when the
// byte there starts none.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t i);

// Whether a whole file's text is read as UTF-8: when it holds one valid multi-byte
// sequence it is UTF-8, whatever bad bytes it holds besides (those spoil only their
// own record); only text without any is Windows-1252 when it is not valid UTF-8.
bool ReadsAsUtf8(std::string_view bytes);

// The bytes with each run of bytes that are not valid UTF-8 replaced by one U+FFFD;
// `replaced` tells whether there was any.
std::string ValidUtf8(std::string_view bytes, bool& replaced);
// The same in place; true when the text changed.
bool RepairUtf8(std::string& text);

// Windows-1252 (a superset of ISO-8859-1 for printable text) to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// The bytes as they are when they are valid UTF-8, else read as Windows-1252: files
// written by older Windows programs carry their accented letters that way, and
// reading them as UTF-8 would turn each into a replacement character.
std::string Utf8OrCp1252(std::string_view bytes);

// A whole file's text without its byte-order mark: UTF-8 as it is, UTF-16 and UTF-32
// (LE or BE, recognised by the mark or, without one, by the zero bytes of the first
// character) converted. Unpaired surrogates become U+FFFD.
std::string FileTextToUtf8(std::string_view bytes);
// The same without copying text that needs no converting: a view of `bytes`, or of
// `converted` where the text was converted into it.
std::string_view FileText(std::string_view bytes, std::string& converted);

}  // namespace exchange
