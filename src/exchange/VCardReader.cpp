#include <optional>

#include "exchange/AsciiText.h"
#include "exchange/BirthReading.h"
#include "exchange/ContentLineReader.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"
#include "platform/Translate.h"

namespace exchange {

namespace {

// A value's text in UTF-8, before backslash escapes are undone. Plain values are in the
// file's encoding; `notUtf8` is set for bytes a UTF-8 file should not hold. Quoted-
// printable bytes are in the charset the line names; without one, or for charsets we
// cannot convert, UTF-8 when they are valid UTF-8 and Windows-1252 otherwise.
std::string decodedValue(const ContentLineParts& line, bool utf8File, bool& notUtf8) {
    if (!line.quotedPrintable()) {
        if (!utf8File) return Utf8OrCp1252(line.value);
        bool replaced = false;
        std::string text = ValidUtf8(line.value, replaced);
        notUtf8 = notUtf8 || replaced;
        return text;
    }
    const std::string bytes = DecodeQuotedPrintable(line.value);
    const std::string* charset = line.param("CHARSET");
    if (charset && (EqualsNoCase(*charset, "ISO-8859-1") ||
                    EqualsNoCase(*charset, "WINDOWS-1252") || EqualsNoCase(*charset, "CP1252")))
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
        if (IsBlank(part)) continue;
        if (!name.empty()) name += ' ';
        name += part;
    }
    return name;
}

// The year an Apple address book writes in place of the unknown one, named in the BDAY's
// X-APPLE-OMIT-YEAR parameter; nothing when the parameter is missing or no year, so that
// the date is then read as it stands.
std::optional<int> omittedYear(const ContentLineParts& line) {
    const std::string* value = line.param("X-APPLE-OMIT-YEAR");
    if (!value) return std::nullopt;
    int year = 0;
    if (!ReadDigits(Trimmed(*value), 4, year)) return std::nullopt;
    return year;
}

class CardBuilder {
public:
    CardBuilder(int number, bool utf8File) : number_(number), utf8File_(utf8File) {}

    std::string decodedValue(const ContentLineParts& line) {
        std::string text = exchange::decodedValue(line, utf8File_, notUtf8_);
        hasNul_ = hasNul_ || text.find('\0') != std::string::npos;
        return text;
    }

    void take(const ContentLineParts& line) {
        if (line.name == "FN") {
            if (!fn_) fn_ = UnescapeText(decodedValue(line));
        } else if (line.name == "N") {
            if (!n_) n_ = nameFromParts(decodedValue(line));
        } else if (line.name == "BDAY") {
            if (!bday_) {
                bday_ = UnescapeText(decodedValue(line));
                omittedYear_ = omittedYear(line);
            }
        } else if (line.name == "NOTE") {
            const std::string note = UnescapeText(decodedValue(line));
            if (IsBlank(note)) return;
            if (!comments_.empty()) comments_ += '\n';
            comments_ += note;
        }
    }

    ImportRecord record() const {
        ImportRecord r;
        r.name = fn_ && !IsBlank(*fn_) ? *fn_ : n_.value_or("");
        if (notUtf8_) {
            r.problem =
                platform::Translate("exchange", "the card holds bytes that are not valid UTF-8");
        } else if (hasNul_) {
            r.problem = platform::Translate("exchange", "the card holds a NUL byte");
        } else if (!bday_) {
            r.problem = platform::Translate("exchange", "no birthday");
        } else {
            BirthReading birth = ReadBirthText(*bday_, omittedYear_);
            r.birth = birth.value;
            r.problem = std::move(birth.problem);
            r.yearless = birth.yearless;
        }
        r.comments = comments_;
        r.where =
            platform::Filled(platform::Translate("exchange", "card %1"), {std::to_string(number_)});
        return r;
    }

    int number() const { return number_; }

private:
    int number_;
    bool utf8File_;
    bool notUtf8_ = false;
    bool hasNul_ = false;  // no name or note holds one: damage, not text
    std::optional<std::string> fn_, n_, bday_;
    std::optional<int> omittedYear_;
    std::string comments_;
};

// The cards of a file, one record each, with a notice for each card that ends without
// its END line.
class CardCollector {
public:
    CardCollector(ReadResult& result, bool utf8File) : result_(result), utf8File_(utf8File) {}

    int cards() const { return cards_; }
    bool open() const { return card_.has_value(); }
    CardBuilder& card() { return *card_; }

    void begin(int line) {
        card_.emplace(++cards_, utf8File_);
        begunOn_ = line;
    }
    void end() {
        result_.records.push_back(card_->record());
        card_.reset();
    }
    // The open card ends without its END, at the BEGIN on `stopLine` or (0) at the end of
    // the file: what it held is read all the same. The first few are named one by one,
    // the rest counted, so a file of nothing but BEGIN lines stays small in memory.
    void endUnclosed(int stopLine) {
        if (++unclosed_ <= kNamedUnclosed) {
            const std::string stop =
                stopLine == 0 ? platform::Translate("exchange", "the end of the file")
                              : platform::Filled(platform::Translate(
                                                     "exchange", "the next BEGIN:VCARD on line %1"),
                                                 {std::to_string(stopLine)});
            Notice(begunOn_, platform::Filled(
                                 platform::Translate(
                                     "exchange", "card %1 has no END:VCARD; it was read up to %2"),
                                 {std::to_string(card_->number()), stop}));
        } else if (unclosed_ == kNamedUnclosed + 1) {
            firstUnnamed_ = begunOn_;
        }
        end();
    }

    void finish() {
        if (unclosed_ <= kNamedUnclosed) return;
        Notice(firstUnnamed_,
               platform::Filled(platform::Translate("exchange",
                                                    "%1 more cards from here on have no "
                                                    "END:VCARD; each was read up to the next"),
                                {std::to_string(unclosed_ - kNamedUnclosed)}));
    }

private:
    static constexpr int kNamedUnclosed = 100;

    void Notice(int line, std::string text) {
        result_.notices.push_back(
            {platform::Filled(platform::Translate("exchange", "line %1"), {std::to_string(line)}),
             std::move(text)});
    }

    ReadResult& result_;
    bool utf8File_;
    int unclosed_ = 0;
    int firstUnnamed_ = 0;
    std::optional<CardBuilder> card_;
    int cards_ = 0;
    int begunOn_ = 0;
};

}  // namespace

ReadResult ReadVCard(std::string_view bytes) {
    std::string converted;
    const std::string_view text = FileText(bytes, converted);
    ReadResult result;
    // A card takes a few hundred bytes at least; a rough count spares the copies of a
    // growing list.
    result.records.reserve(text.size() / 256);
    CardCollector collector(result, ReadsAsUtf8(text));
    ContentLineReader reader(text);
    std::string line;
    ContentLineParts parts;
    int depth = 0;  // cards inside a card (a 2.1 AGENT) are skipped whole
    bool afterAgent = false;  // the line before was an AGENT property without a value
    while (reader.next(line)) {
        if (!SplitContentLine(line, parts)) continue;
        if (parts.name == "BEGIN" && EqualsNoCase(parts.value, "VCARD")) {
            // Only an agent's card stands inside another; any other BEGIN means the open
            // card lacks its END.
            if (depth > 0 && !afterAgent) {
                collector.endUnclosed(reader.line());
                depth = 0;
            }
            if (depth++ == 0) collector.begin(reader.line());
        } else if (parts.name == "END" && EqualsNoCase(parts.value, "VCARD")) {
            if (depth > 0 && --depth == 0) collector.end();
        } else if (depth == 1) {
            collector.card().take(parts);
        }
        afterAgent = parts.name == "AGENT" && IsBlank(parts.value);
    }
    if (collector.open()) collector.endUnclosed(0);
    collector.finish();
    if (collector.cards() == 0)
        result.error = platform::Translate(
            "exchange",
            "The file holds no vCard: no line reads BEGIN:VCARD. Export the contacts "
            "as vCard (.vcf) and import that file.");
    return result;
}

}  // namespace exchange
