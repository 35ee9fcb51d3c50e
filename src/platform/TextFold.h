#pragma once

#include <string>
#include <string_view>

namespace platform {

// A text as a reader compares names, for the name sort and for find alike:
// compatibility-decomposed with the accents and other combining marks dropped,
// case-folded, and the letters no decomposition takes apart spelt with plain letters
// ("Ødegaard" -> "odegaard", "Łódź" -> "lodz", "Straße" -> "strasse", "Ærø" -> "aero").
// A name folds the same whether its accents were stored composed (NFC) or not (NFD).
// Plain ASCII, most names, only has its capitals lowered.
std::u16string FoldText(std::u16string_view text);
// Appends the folded text to `out`, to fold many texts into one buffer.
void AppendFolded(std::u16string_view text, std::u16string& out);
// The same for UTF-8; bytes that are not valid UTF-8 fold as U+FFFD.
std::u16string FoldUtf8(std::string_view text);
void AppendFoldedUtf8(std::string_view text, std::u16string& out);

// Names in a reader's order: their folded texts compared unit by unit (a text before
// every longer one it begins); names that fold alike go by their keys. The list's name
// sort, the Upcoming lists and the export all keep this order.

}  // namespace platform
