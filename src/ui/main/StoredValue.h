#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/Error.h"
#include "store/Value.h"

// Column values read the way the list takes them: as text, or as a 32-bit whole number.
namespace personlist {

// Null as the empty text, numbers in decimal (reals with up to 15 significant digits),
// texts unchanged.
std::string ValueAsText(const store::Value& value);

// ValueAsText without copying a text (a list of a million names would otherwise
// allocate a million times): the text itself, or anything else written into `buffer`,
// which the result then views.
std::string_view ValueText(const store::ValueView& value, std::string& buffer);

// A whole number, a real rounded half to even, or a text holding a number. False with
// the classic numbers: 13 "Type mismatch" for anything else (Null included), 6
// "Overflow" beyond the 32-bit range.
bool ValueAsLong(const store::ValueView& value, std::int32_t& out, store::Error& error);

}  // namespace personlist
