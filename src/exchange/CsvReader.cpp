#include <algorithm>
#include <array>

#include "exchange/AsciiText.h"
#include "exchange/BirthReading.h"
#include "exchange/CsvParser.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"
#include "platform/Translate.h"

namespace exchange {

namespace {

constexpr const char* kNotUtf8Line =
    MARROWTIDE_TRANSLATE_NOOP("exchange", "the line holds bytes that are not valid UTF-8");

// The columns understood, by their header names in lower case. Several programs'
// exports share a column name and its meaning, so one table serves all of them.
enum Column {
    kName,
    kDisplayName,
    kFirstName,
    kMiddleName,
    kLastName,
    kBirth,
    kBirthday,
    kBirthYear,
    kBirthMonth,
    kBirthDay,
    kComments,
    kNotes,
    kColumnCount
};
constexpr std::array<const char*, kColumnCount> kHeaders = {
    "name",     "display name", "first name",  "middle name", "last name", "birth",
    "birthday", "birth year",   "birth month", "birth day",   "comments",  "notes"};

// Where each understood column stands in the header; -1 when it is missing.
using ColumnIndex = std::array<int, kColumnCount>;

ColumnIndex indexColumns(const std::vector<std::string>& header) {
    ColumnIndex index;
    index.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string key = AsciiLower(Trimmed(header[i]));
        for (int c = 0; c < kColumnCount; ++c)
            if (key == kHeaders[c] && index[c] < 0) index[c] = static_cast<int>(i);
    }
    return index;
}

bool hasNameColumn(const ColumnIndex& index) {
    return std::any_of(index.begin() + kName, index.begin() + kLastName + 1,
                       [](int i) { return i >= 0; });
}

std::string refusal() {
    return platform::Translate(
        "exchange",
        "The first line of the file names no column a name can be read from. Understood "
        "columns: Name, Display Name, First Name, Middle Name, Last Name (the name); Birth, "
        "Birthday, Birth Year, Birth Month, Birth Day (the birth date); Comments, Notes (the "
        "comments).");
}

class RowReader {
public:
    RowReader(const ColumnIndex& index, const CsvRecord& record) : index_(index), record_(record) {}

    bool has(Column c) const { return index_[c] >= 0; }
    std::string_view at(Column c) const {
        const int i = index_[c];
        return i >= 0 && static_cast<std::size_t>(i) < record_.fields.size()
                   ? UnguardedCsvField(record_.fields[i])
                   : std::string_view();
    }

    std::string name() const {
        for (const Column c : {kName, kDisplayName})
            if (!IsBlank(at(c))) return std::string(at(c));
        std::string joined;
        for (const Column c : {kFirstName, kMiddleName, kLastName}) {
            if (IsBlank(at(c))) continue;
            if (!joined.empty()) joined += ' ';
            joined += at(c);
        }
        return joined;
    }

    BirthReading birth() const {
        if (has(kBirth)) return ReadBirthText(at(kBirth));
        if (has(kBirthday)) return ReadBirthText(at(kBirthday));
        return ReadBirthParts(at(kBirthYear), at(kBirthMonth), at(kBirthDay));
    }

    std::string comments() const {
        return std::string(has(kComments) ? at(kComments) : at(kNotes));
    }

private:
    const ColumnIndex& index_;
    const CsvRecord& record_;
};

bool AllValidUtf8(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return IsValidUtf8(field); });
}

bool AnyNul(const std::vector<std::string>& fields) {
    return std::any_of(fields.begin(), fields.end(), [](const std::string& field) {
        return field.find('\0') != std::string::npos;
    });
}

}  // namespace

ReadResult ReadCsv(std::string_view bytes) {
    std::string converted;
    std::string_view text = FileText(bytes, converted);
    const bool utf8 = ReadsAsUtf8(text);
    if (!utf8) text = converted = Cp1252ToUtf8(text);
    // Bad bytes in a UTF-8 file spoil only their own records, which are then checked one
    // by one.
    const bool checkEach = utf8 && !IsValidUtf8(text);
    // No name or comment holds a NUL byte: such records are damage, not text.
    const bool hasNul = text.find('\0') != std::string_view::npos;
    CsvParser parser(text);
    CsvRecord header;
    ReadResult result;
    if (!parser.next(header)) {
        result.error = parser.error().empty()
                           ? platform::Translate("exchange", "The file is empty.") + " " + refusal()
                           : parser.error();
        return result;
    }
    const ColumnIndex index = indexColumns(header.fields);
    if (!hasNameColumn(index)) {
        result.error = refusal();
        return result;
    }
    parser.setFieldLimit(static_cast<std::size_t>(*std::max_element(index.begin(), index.end())) +
                         1);
    // Records are a few dozen bytes each; reserving spares the copies of a growing list.
    result.records.reserve(text.size() / 48);
    CsvRecord fields;
    while (parser.next(fields)) {
        // Spreadsheets save rows they once formatted as bare commas; they hold nobody.
        if (std::all_of(fields.fields.begin(), fields.fields.end(),
                        [](const std::string& f) { return IsBlank(f); }))
            continue;
        const RowReader row(index, fields);
        ImportRecord& record = result.records.emplace_back();
        record.name = row.name();
        BirthReading birth = row.birth();
        record.birth = birth.value;
        record.problem = std::move(birth.problem);
        record.yearless = birth.yearless;
        record.comments = row.comments();
        record.where = platform::Filled(platform::Translate("exchange", "line %1"),
                                        {std::to_string(fields.line)});
        if (checkEach && !AllValidUtf8(fields.fields))
            record.problem = platform::Translate("exchange", kNotUtf8Line);
        else if (hasNul && AnyNul(fields.fields))
            record.problem = platform::Translate("exchange", "the line holds a NUL byte");
    }
    if (!parser.error().empty()) return {{}, {}, parser.error()};
    return result;
}

}  // namespace exchange
