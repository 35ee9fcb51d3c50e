#include <gtest/gtest.h>

#include <vector>

#include "ExchangeTestSupport.h"
#include "exchange/CsvParser.h"

namespace {

using exchangetest::Describe;

std::vector<std::string> Described(const exchange::ReadResult& result) {
    std::vector<std::string> out;
    if (!result.error.empty()) out.push_back("error: " + result.error);
    for (const auto& r : result.records) out.push_back(Describe(r));
    return out;
}

TEST(CsvReadTest, ReadsEachDialectByItsHeader) {
    const struct {
        const char* csv;
        std::vector<std::string> expected;
    } cases[] = {
        // Our own layout, with and without the time of day.
        {"Name,Birth,Comments\r\nAnn,1990-03-15 14:30:05,x\r\nBob,1985-01-02,\r\n",
         {"Ann|1990-03-15 14:30:05|x|line 2", "Bob|1985-01-02 00:00:00||line 3"}},
        // Webmail: a full-name column or the parts, ISO or year-less birthdays, notes.
        {"Name,Given Name,Birthday,Notes\nAnn Lee,Ann,1990-03-15,hi\nBo,Bo, --03-15,\n",
         {"Ann Lee|1990-03-15 00:00:00|hi|line 2", "Bo|--03-15||line 3"}},
        {"First Name,Middle Name,Last Name,Birthday,Notes\nAnn,M.,Lee,1990-03-15,\n",
         {"Ann M. Lee|1990-03-15 00:00:00||line 2"}},
        // Mail client: display name first, the date in three columns.
        {"First Name,Last Name,Display Name,Birth Year,Birth Month,Birth Day,Notes\n"
         "Ann,Lee,Annie,1990,3,15,n\nBob,Ray,,,7,4,\n",
         {"Annie|1990-03-15 00:00:00|n|line 2", "Bob Ray|--07-04||line 3"}},
        // Desktop mail/office: M/D/YYYY and its empty date 0/0/00; columns in any order
        // and any case.
        {"notes,BIRTHDAY,last name,first name\nm,3/15/1990,Lee,Ann\n,0/0/00,Ray,Bob\n",
         {"Ann Lee|1990-03-15 00:00:00|m|line 2", "Bob Ray|no birthday||line 3"}},
        // Quoted fields with commas, doubled quotes and line breaks; the next record's
        // line counts the breaks; blank lines and rows of bare commas are skipped; short
        // rows fill with "".
        {"Name,Birth,Comments\n\"Lee, \"\"Ann\"\"\",1990-03-15,\"a\r\nb\"\n\nBob\n, ,\n",
         {"Lee, \"Ann\"|1990-03-15 00:00:00|a\r\nb|line 2", "Bob|no birthday||line 5"}},
        // No name at all, and no birth column at all.
        {"Name,Notes\n,only a note\n", {"|no birthday|only a note|line 2"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Described(exchange::ReadCsv(c.csv)), c.expected) << c.csv;
}

// A birthday with month and day but no year, in one column or in three.
TEST(CsvReadTest, KeepsBirthdaysWithoutAYear) {
    const struct {
        const char* csv;
        std::vector<std::string> expected;
    } cases[] = {
        {"Name,Birth\nA,--12-08\nB,--12-08 08:30:00\nC,1604-02-29\nD,--12-08x\n",
         {"A|--12-08||line 2", "B|--12-08 08:30:00||line 3", "C|--02-29||line 4",
          "D|--12-08x is no date||line 5"}},
        {"Name,Birthday\nA,12/8\nB,2/29\nC,12/8/1604\nD,0000-12-08\n",
         {"A|--12-08||line 2", "B|--02-29||line 3", "C|--12-08||line 4", "D|--12-08||line 5"}},
        {"Name,Birth Year,Birth Month,Birth Day\nA,,12,8\nB, ,2,29\nC,,,\nD,,12,\nE,1980,12,8\n",
         {"A|--12-08||line 2", "B|--02-29||line 3", "C|no birthday||line 4",
          "D|the birthday has no day||line 5", "E|1980-12-08 00:00:00||line 6"}},
    };
    for (const auto& c : cases) {
        const exchange::ReadResult result = exchange::ReadCsv(c.csv);
        EXPECT_EQ(result.error, "");
        EXPECT_EQ(Described(result), c.expected) << c.csv;
    }
}

TEST(CsvReadTest, RefusesFilesItCannotRead) {
    const std::string columns = "Name, Display Name, First Name, Middle Name, Last Name";
    const struct {
        const char* csv;
        std::string errorPart;
    } cases[] = {
        {"Email,Phone,Birthday\na@b,1,1990-03-15\n", columns},
        {"", "The file is empty. "},
        {"\xEF\xBB\xBF\r\n", columns},
        {"Name,Comments\nAnn,ok\n\nBob,\"open\nmore\n",
         "Line 4: a field opened with a double quote"},
    };
    for (const auto& c : cases) {
        const exchange::ReadResult result = exchange::ReadCsv(c.csv);
        EXPECT_NE(result.error.find(c.errorPart), std::string::npos) << result.error;
        EXPECT_TRUE(result.records.empty()) << c.csv;
    }
}

// The text in UTF-16 with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// The text in UTF-32 with its byte-order mark.
std::string Utf32(std::u32string_view text, bool bigEndian) {
    std::string out;
    for (const char32_t c : U"\uFEFF" + std::u32string(text))
        for (int k = 0; k < 4; ++k)
            out += static_cast<char>(c >> (8 * (bigEndian ? 3 - k : k)) & 0xFF);
    return out;
}

TEST(CsvReadTest, DecodesByteOrderMarksAndWindowsText) {
    const std::string expected = "Zo\xC3\xAB|1990-03-15 00:00:00||line 2";
    const struct {
        const char* label;
        std::string bytes;
    } cases[] = {
        {"UTF-8", "Name,Birth\nZo\xC3\xAB,1990-03-15\n"},
        {"UTF-8 with BOM", "\xEF\xBB\xBFName,Birth\nZo\xC3\xAB,1990-03-15\n"},
        {"UTF-16LE", Utf16(u"Name,Birth\nZo\u00EB,1990-03-15", false)},
        {"UTF-16BE", Utf16(u"Name,Birth\r\nZo\u00EB,1990-03-15\r\n", true)},
        {"Windows-1252", "Name,Birth\nZo\xEB,1990-03-15\n"},
        {"UTF-16LE without BOM", Utf16(u"Name,Birth\nZo\u00EB,1990-03-15", false).substr(2)},
        {"UTF-16BE without BOM", Utf16(u"Name,Birth\nZo\u00EB,1990-03-15", true).substr(2)},
        {"UTF-32LE", Utf32(U"Name,Birth\nZo\u00EB,1990-03-15", false)},
        {"UTF-32BE without BOM", Utf32(U"Name,Birth\nZo\u00EB,1990-03-15", true).substr(4)},
    };
    for (const auto& c : cases) {
        const exchange::ReadResult result = exchange::ReadCsv(c.bytes);
        ASSERT_EQ(result.records.size(), 1u) << c.label;
        EXPECT_EQ(Describe(result.records[0]), expected) << c.label;
    }
}

}  // namespace

namespace {

// One bad byte (or a NUL) in a UTF-8 file spoils only its own record; Windows-1252 is the reading
// only of a file without any multi-byte UTF-8 sequence.
TEST(CsvReadTest, BadBytesInAUtf8FileSpoilOnlyTheirRecord) {
    const std::string bad = "the line holds bytes that are not valid UTF-8";
    const std::string badCard = "the card holds bytes that are not valid UTF-8";
    const struct {
        exchange::ReadResult (*read)(std::string_view);
        std::string bytes;
        std::vector<std::string> expected;
    } cases[] = {
        {exchange::ReadCsv,
         "Name,Birth\nJ\xC3\xBCrgen M\xC3\xBCller,1990-03-15\nBad\xFF,1990-01-01\n",
         {"J\xC3\xBCrgen M\xC3\xBCller|1990-03-15 00:00:00||line 2",
          "Bad\xFF|" + bad + "||line 3"}},
        {exchange::ReadCsv,
         "Name,Birth,Notes\nZo\xEB,1990-03-15,caf\xE9\n",
         {"Zo\xC3\xAB|1990-03-15 00:00:00|caf\xC3\xA9|line 2"}},
        {exchange::ReadVCard,
         "BEGIN:VCARD\nFN:J\xC3\xBCrgen\nBDAY:1990-03-15\nEND:VCARD\n"
         "BEGIN:VCARD\nFN:Bad\nNOTE:\xE9t\xE9\nBDAY:1990-01-01\nEND:VCARD\n",
         {"J\xC3\xBCrgen|1990-03-15 00:00:00||card 1",
          "Bad|" + badCard + "|\xEF\xBF\xBDt\xEF\xBF\xBD|card 2"}},
        {exchange::ReadVCard,
         "BEGIN:VCARD\nFN:Zo\xEB\nBDAY:1990-03-15\nEND:VCARD\n",
         {"Zo\xC3\xAB|1990-03-15 00:00:00||card 1"}},
        // A NUL byte is damage too.
        {exchange::ReadCsv,
         std::string("Name,Birth\nA\0B,1990-01-01\n", 26),
         {std::string("A\0B|the line holds a NUL byte||line 2", 37)}},
        {exchange::ReadVCard,
         std::string("BEGIN:VCARD\nFN:A\0B\nBDAY:1990-01-01\nEND:VCARD\n", 45),
         {std::string("A\0B|the card holds a NUL byte||card 1", 37)}},
    };
    for (const auto& c : cases) EXPECT_EQ(Described(c.read(c.bytes)), c.expected) << c.bytes;
}

}  // namespace

namespace {

// Fields past the limit are passed over whole, quotes and line breaks included, and the
// records after them start where they should.
TEST(CsvReadTest, KeepsOnlyTheFieldsItNeeds) {
    exchange::CsvParser parser("a,\"b,\"\"x\",c,\"d\ne\"\nf,g,h\n");
    parser.setFieldLimit(2);
    exchange::CsvRecord record;
    ASSERT_TRUE(parser.next(record));
    EXPECT_EQ(record.fields, (std::vector<std::string>{"a", "b,\"x"}));
    ASSERT_TRUE(parser.next(record));
    EXPECT_EQ(record.fields, (std::vector<std::string>{"f", "g"}));
    EXPECT_EQ(record.line, 3);
    EXPECT_FALSE(parser.next(record));
}

}  // namespace
