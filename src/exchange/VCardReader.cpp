#include <optional>

#include "exchange/BirthReading.h"
#include "exchange/ContentLineReader.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

namespace exchange {

namespace {

bool equalsNoCase(std::string_view a, std::string_view upperB) {
    if (a.size() != upperB.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upperB[i]) return false;
    }
    return true;
}

bool blank(std::string_view s) {
    return s.find_first_not_of(" \t\n") == std::string_view::npos;
}

// A value's text in UTF-8, before backslash escapes are undone. Quoted-printable
// bytes are in the charset the line names; without one, or for charsets we cannot
// convert, UTF-8 when they are valid UTF-8 and Windows-1252 otherwise.
std::string decodedValue(const ContentLineParts& line) {
    if (!line.quotedPrintable()) return Utf8OrCp1252(line.value);
    const std::string bytes = DecodeQuotedPrintable(line.value);
    const std::string* charset = line.param("CHARSET");
    if (charset && (equalsNoCase(*charset, "ISO-8859-1") ||
                    equalsNoCase(*charset, "WINDOWS-1252") || equalsNoCase(*charset, "CP1252")))
        return Cp1252ToUtf8(bytes);
    return Utf8OrCp1252(bytes);
}

// Several given names are listed with commas; a comma escaped with a backslash is
// part of a name.
std::string listAsWords(std::string_view component) {
    std::string out(component);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\\')
            ++i;
        else if (out[i] == ',')
            out[i] = ' ';
    }
    return out;
}

// N is family;given;additional;prefix;suffix; people read it given name first.
std::string nameFromParts(std::string_view value) {
    const std::vector<std::string_view> parts = SplitComponents(value);
    std::string name;
    for (const std::size_t i : {3u, 1u, 2u, 0u, 4u}) {
        if (i >= parts.size()) continue;
        const std::string part = UnescapeText(listAsWords(parts[i]));
        if (blank(part)) continue;
        if (!name.empty()) name += ' ';
        name += part;
    }
    return name;
}

class CardBuilder {
public:
    explicit CardBuilder(int number) : number_(number) {}

    void take(const ContentLineParts& line) {
        if (line.name == "FN") {
            if (!fn_) fn_ = UnescapeText(decodedValue(line));
        } else if (line.name == "N") {
            if (!n_) n_ = nameFromParts(decodedValue(line));
        } else if (line.name == "BDAY") {
            if (!bday_) {
                bday_ = UnescapeText(decodedValue(line));
                omitsYear_ = line.param("X-APPLE-OMIT-YEAR") != nullptr;
            }
        } else if (line.name == "NOTE") {
            const std::string note = UnescapeText(decodedValue(line));
            if (blank(note)) return;
            if (!comments_.empty()) comments_ += '\n';
            comments_ += note;
        }
    }

    ImportRecord record() const {
        ImportRecord r;
        r.name = fn_ && !blank(*fn_) ? *fn_ : n_.value_or("");
        if (!bday_) {
            r.problem = "no birthday";
        } else if (omitsYear_) {
            r.problem = NoYearProblem();
        } else {
            BirthReading birth = ReadBirthText(*bday_);
            r.birth = birth.value;
            r.problem = std::move(birth.problem);
        }
        r.comments = comments_;
        r.where = "card " + std::to_string(number_);
        return r;
    }

private:
    int number_;
    std::optional<std::string> fn_, n_, bday_;
    bool omitsYear_ = false;
    std::string comments_;
};

}  // namespace

ReadResult ReadVCard(std::string_view bytes) {
    const std::string text = FileTextToUtf8(bytes);
    ReadResult result;
    // A card takes a few hundred bytes at least; a rough count spares the copies of a
    // growing list.
    result.records.reserve(text.size() / 256);
    ContentLineReader reader(text);
    std::string line;
    ContentLineParts parts;
    std::optional<CardBuilder> card;
    int depth = 0;  // cards inside a card (a 2.1 AGENT) are skipped whole
    int cards = 0;
    while (reader.next(line)) {
        if (!SplitContentLine(line, parts)) continue;
        if (parts.name == "BEGIN" && equalsNoCase(parts.value, "VCARD")) {
            if (depth++ == 0) card.emplace(++cards);
        } else if (parts.name == "END" && equalsNoCase(parts.value, "VCARD")) {
            if (depth > 0 && --depth == 0) {
                result.records.push_back(card->record());
                card.reset();
            }
        } else if (depth == 1) {
            card->take(parts);
        }
    }
    if (card) result.records.push_back(card->record());  // the last card lacks its END
    if (cards == 0)
        result.error =
            "The file holds no vCard: no line reads BEGIN:VCARD. Export the contacts "
            "as vCard (.vcf) and import that file.";
    return result;
}

}  // namespace exchange
