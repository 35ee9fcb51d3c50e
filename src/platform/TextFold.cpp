#include "platform/TextFold.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace platform {

namespace {

// Letters with a stroke or a bar and the ligatures, which Unicode does not decompose,
// as a reader types them on a plain keyboard. Looked up after case folding, so lower
// case only; sorted by letter.
struct Spelling {
    char16_t letter;
    std::u16string_view plain;
};
constexpr Spelling kSpellings[] = {
    {u'\u00e6', u"ae"},  // æ
    {u'\u00f0', u"d"},   // ð
    {u'\u00f8', u"o"},   // ø
    {u'\u00fe', u"th"},  // þ
    {u'\u0111', u"d"},   // đ
    {u'\u0127', u"h"},   // ħ
    {u'\u0131', u"i"},   // ı
    {u'\u0138', u"k"},   // ĸ
    {u'\u0142', u"l"},   // ł
    {u'\u014b', u"n"},   // ŋ
    {u'\u0153', u"oe"},  // œ
    {u'\u0167', u"t"},   // ŧ
    {u'\u0180', u"b"},   // ƀ
    {u'\u01b6', u"z"},   // ƶ
    {u'\u01e5', u"g"},   // ǥ
    {u'\u0268', u"i"},   // ɨ
    {u'\u0289', u"u"},   // ʉ
};

void AppendSpelt(char16_t unit, std::u16string& out) {
    const auto found = std::lower_bound(std::begin(kSpellings), std::end(kSpellings), unit,
                                        [](const Spelling& s, char16_t u) { return s.letter < u; });
    if (found != std::end(kSpellings) && found->letter == unit)
        out += found->plain;
    else
        out += unit;
}

bool IsAscii(std::u16string_view text) {
    char16_t seen = 0;
    for (const char16_t unit : text) seen |= unit;
    return seen < 0x80;
}

void AppendAsciiFolded(std::u16string_view text, std::u16string& out) {
    for (const char16_t unit : text)
        out += static_cast<char16_t>(static_cast<unsigned>(unit - u'A') < 26u ? unit + 32 : unit);
}

// Runs one of ICU's whole-text steps into `out`, growing it once when it was too small.
template <class Step>
bool IcuStep(std::u16string_view in, std::u16string& out, Step step) {
    UErrorCode status = U_ZERO_ERROR;
    out.resize(in.size() * 2 + 8);
    int32_t length = step(in, out, status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        out.resize(static_cast<std::size_t>(length));
        length = step(in, out, status);
    }
    if (U_FAILURE(status)) return false;
    out.resize(static_cast<std::size_t>(length));
    return true;
}

std::u16string WithoutMarks(std::u16string_view text) {
    std::u16string bare;
    bare.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        UChar32 c = 0;
        U16_NEXT(text.data(), i, text.size(), c);
        if ((U_GET_GC_MASK(c) & U_GC_M_MASK) == 0) bare.append(text.substr(start, i - start));
    }
    return bare;
}

// The whole way: decomposed, without marks, case-folded, spelt plain.
void AppendFoldedByIcu(std::u16string_view text, std::u16string& out) {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfkd = unorm2_getNFKDInstance(&status);
    std::u16string decomposed, folded;
    const bool ok =
        U_SUCCESS(status) &&
        IcuStep(text, decomposed,
                [&](std::u16string_view in, std::u16string& o, UErrorCode& s) {
                    return unorm2_normalize(nfkd, in.data(), static_cast<int32_t>(in.size()),
                                            o.data(), static_cast<int32_t>(o.size()), &s);
                }) &&
        IcuStep(WithoutMarks(decomposed), folded,
                [](std::u16string_view in, std::u16string& o, UErrorCode& s) {
                    return u_strFoldCase(o.data(), static_cast<int32_t>(o.size()), in.data(),
                                         static_cast<int32_t>(in.size()), U_FOLD_CASE_DEFAULT,
                                         &s);
                });
    if (!ok) folded = text;  // ICU without its data: the text as it stands
    for (const char16_t unit : folded) AppendSpelt(unit, out);
}

// Below this every code point has its fold looked up in a table: the Latin, Greek,
// Cyrillic, Armenian and Hebrew letters and the combining accents, which most names
// are written in.
constexpr char16_t kTableEnd = 0x0600;

// The fold of each code point below kTableEnd, worked out once the whole way. Folding
// a text is folding its code points one by one and joining the results (the marks go,
// and decomposition and case folding work per code point), so the table gives the
// same as the whole way, only without the work for each text.
class FoldTable {
public:
    FoldTable() {
        for (char16_t unit = 0; unit < kTableEnd; ++unit) {
            start_[unit] = static_cast<std::uint32_t>(folds_.size());
            AppendFoldedByIcu(std::u16string_view(&unit, 1), folds_);
        }
        start_[kTableEnd] = static_cast<std::uint32_t>(folds_.size());
    }
    std::u16string_view fold(char16_t unit) const {
        return std::u16string_view(folds_).substr(start_[unit], start_[unit + 1] - start_[unit]);
    }

private:
    std::u16string folds_;
    std::array<std::uint32_t, kTableEnd + 1> start_{};
};

const FoldTable& Table() {
    static const FoldTable table;
    return table;
}

}  // namespace

void AppendFolded(std::u16string_view text, std::u16string& out) {
    if (IsAscii(text)) {
        AppendAsciiFolded(text, out);
        return;
    }
    if (std::any_of(text.begin(), text.end(), [](char16_t unit) { return unit >= kTableEnd; })) {
        AppendFoldedByIcu(text, out);
        return;
    }
    const FoldTable& table = Table();
    for (const char16_t unit : text) {
        if (unit < 0x80)
            out += static_cast<char16_t>(static_cast<unsigned>(unit - u'A') < 26u ? unit + 32 : unit);
        else
            out += table.fold(unit);
    }
}

std::u16string FoldText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    AppendFolded(text, out);
    return out;
}

std::u16string FoldUtf8(std::string_view text) {
    std::u16string out;
    AppendFoldedUtf8(text, out);
    return out;
}

void AppendFoldedUtf8(std::string_view text, std::u16string& out) {
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        for (const char c : text)
            out += static_cast<char16_t>(static_cast<unsigned>(c - 'A') < 26u ? c + 32 : c);
        return;
    }
    std::u16string wide(text.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(wide.data(), static_cast<int32_t>(wide.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) return;
    wide.resize(static_cast<std::size_t>(length));
    AppendFolded(wide, out);
}

}  // namespace platform
