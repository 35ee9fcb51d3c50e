#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading the content lines of a vCard (or iCalendar) file.
namespace exchange {

struct ContentLineParts {
    std::string name;  // upper case, without its group ("item1.BDAY" gives "BDAY")
    std::vector<std::pair<std::string, std::string>>
        params;         // key in upper case; "" for a
                        // bare 2.1 value (";QUOTED-PRINTABLE")
    std::string value;  // as written, still encoded

    // The value of the first parameter with this key; nullptr when there is none.
    const std::string* param(std::string_view key) const;
    bool quotedPrintable() const;  // ENCODING=QUOTED-PRINTABLE, or bare as in 2.1
};

// Hands out logical lines: folded lines joined (a CRLF or LF and the one blank or tab
// after it removed, so a fold inside a UTF-8 character joins it again) and, in values
// encoded quoted-printable, soft line breaks ("=" at the end) joined.
class ContentLineReader {
public:
    explicit ContentLineReader(std::string_view text) : text_(text) {}
    bool next(std::string& line);
    // The physical line (from 1) the last logical line started on.
    int line() const { return startLine_; }

private:
    std::string_view physical();
    bool declaresQuotedPrintable(std::string_view line);

    std::string_view text_;
    std::size_t pos_ = 0;
    int nextLine_ = 1;
    int startLine_ = 0;
    // What is known of the logical line being joined.
    std::size_t scanned_ = 0;  // how far its colon was looked for
    bool inQuotes_ = false;
    bool headKnown_ = false;  // its colon was found
    bool quotedPrintable_ = false;
};

// Splits a logical line at its first colon outside double quotes. False when it has none.
bool SplitContentLine(std::string_view line, ContentLineParts& parts);

// Decodes =XX escapes; anything else stays as it is.
std::string DecodeQuotedPrintable(std::string_view value);

// Undoes \n, \N, \\, \, \; and \: and turns line breaks into LF.
std::string UnescapeText(std::string_view value);

// Splits at semicolons that are not escaped.
std::vector<std::string_view> SplitComponents(std::string_view value);

}  // namespace exchange
