#include <gtest/gtest.h>

#include <vector>

#include "../age/ClockOverride.h"
#include "ExchangeTestSupport.h"
#include "age/DateValue.h"

namespace {

using exchange::ExportPerson;

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

const std::vector<ExportPerson>& People() {
    static const std::vector<ExportPerson> people = {
        {1,
         "Anna Łukasiewicz, \"Ania\"",
         At(1990, 3, 15, 14, 30, 5),
         "line one\nline two; \\ end",
         {}},
        {2, "王小明", At(2000, 2, 29), ".", {}},
        {3,
         "Ωμέγα Müller-Lüdenscheidt 𝄞 " + std::string(30, 'x') + " Ünal",
         At(1850, 6, 1, 23, 59, 59),
         "comma, \"quote\"\nand a ' tick",
         {}},
        {4, "Plain", At(1971, 12, 31), "", {}},
    };
    return people;
}

// What a reader gives back: an empty note comes back as "" and "." is not written.
std::vector<std::string> Expected() {
    std::vector<std::string> out;
    for (const auto& p : People())
        out.push_back(p.name + "|" + exchange::IsoDateTime(p.birth) + "|" +
                      (p.comments == "." ? "" : p.comments));
    return out;
}

std::vector<std::string> ReadBack(const exchange::ReadResult& result) {
    EXPECT_EQ(result.error, "");
    std::vector<std::string> out;
    for (const auto& r : result.records) {
        const std::string d = exchangetest::Describe(r);
        out.push_back(d.substr(0, d.rfind('|')));  // without where
    }
    return out;
}

TEST(WriteTest, CsvAndVCardReadBackTheSamePeopleToTheSecond) {
    EXPECT_EQ(ReadBack(exchange::ReadCsv(exchange::WriteCsv(People()))), Expected());
    EXPECT_EQ(ReadBack(exchange::ReadVCard(exchange::WriteVCard(People()))), Expected());
}

TEST(WriteTest, WritesTheExactLines) {
    const std::vector<ExportPerson> two = {People()[1], People()[3]};
    EXPECT_EQ(exchange::WriteCsv({People()[0], People()[3]}),
              "Name,Birth,Comments\r\n\"Anna Łukasiewicz, \"\"Ania\"\"\",1990-03-15 14:30:05,"
              "\"line one\nline two; \\ end\"\r\nPlain,1971-12-31 00:00:00,\r\n");
    EXPECT_EQ(exchange::WriteVCard({People()[0], People()[1]}),
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Anna Łukasiewicz\\, \"Ania\"\r\n"
              "N:\"Ania\";Anna Łukasiewicz\\,;;;\r\nBDAY:19900315T143005\r\n"
              "NOTE:line one\\nline two\\; \\\\ end\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:王小明\r\nN:王小明;;;;\r\nBDAY:20000229\r\n"
              "END:VCARD\r\n");
    EXPECT_EQ(exchange::WriteICalendar(two, At(2026, 12, 7, 9, 5, 1)),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Marrowtide//Marrowtide//EN\r\n"
              "CALSCALE:GREGORIAN\r\n"
              "BEGIN:VEVENT\r\nUID:marrowtide-birthday-2\r\nDTSTAMP:20261207T090501Z\r\n"
              "DTSTART;VALUE=DATE:20000229\r\nDTEND;VALUE=DATE:20000301\r\n"
              "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\nSUMMARY:王小明's birthday\r\n"
              "DESCRIPTION:Born in 2000\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n"
              "BEGIN:VEVENT\r\nUID:marrowtide-birthday-4\r\nDTSTAMP:20261207T090501Z\r\n"
              "DTSTART;VALUE=DATE:19711231\r\nDTEND;VALUE=DATE:19720101\r\n"
              "RRULE:FREQ=YEARLY\r\nSUMMARY:Plain's birthday\r\n"
              "DESCRIPTION:Born in 1971\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
}

modAgeCalc::YearlessBirth Yearless(int month, int day, int hour = 0, int minute = 0) {
    return {month, day, hour, minute, 0};
}

// A birthday without a year: vCard's --MMDD, the stored form in CSV (guarded against
// spreadsheets like every cell that begins with "-"), and both read back as the same
// birthday.
TEST(WriteTest, WritesBirthdaysWithoutAYearAndReadsThemBack) {
    const std::vector<ExportPerson> people = {
        {1, "Ann", 0, "", Yearless(12, 8)},
        {2, "Bo", 0, "x", Yearless(2, 29, 8, 30)},
    };
    EXPECT_EQ(exchange::WriteCsv(people),
              "Name,Birth,Comments\r\nAnn,'--12-08,\r\nBo,'--02-29 08:30:00,x\r\n");
    EXPECT_EQ(exchange::WriteVCard(people),
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nN:Ann;;;;\r\nBDAY:--1208\r\n"
              "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bo\r\nN:Bo;;;;\r\n"
              "BDAY:--0229T083000\r\nNOTE:x\r\nEND:VCARD\r\n");
    const std::vector<std::string> expected = {"Ann|--12-08|", "Bo|--02-29 08:30:00|x"};
    EXPECT_EQ(ReadBack(exchange::ReadCsv(exchange::WriteCsv(people))), expected);
    EXPECT_EQ(ReadBack(exchange::ReadVCard(exchange::WriteVCard(people))), expected);
}

// The yearly event of a birthday without a year starts on the next birthday, today's
// included; 29 February falls on the last day of February, 28 February in common years.
TEST(WriteTest, CalendarStartsABirthdayWithoutAYearOnItsNextDay) {
    const char* const kYearly = "FREQ=YEARLY";
    const char* const kLastOfFebruary = "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
    const struct {
        platform::DateParts today;
        modAgeCalc::YearlessBirth birth;
        const char* dates;  // DTSTART and DTEND
        const char* rule;
    } cases[] = {
        {{2022, 6, 1}, Yearless(12, 8), "20221208/20221209", kYearly},
        {{2022, 6, 1}, Yearless(6, 1, 8, 30), "20220601/20220602", kYearly},
        {{2022, 6, 1}, Yearless(5, 31), "20230531/20230601", kYearly},
        {{2022, 12, 31}, Yearless(12, 31), "20221231/20230101", kYearly},
        {{2022, 6, 1}, Yearless(2, 29), "20230228/20230301", kLastOfFebruary},
        {{2023, 6, 1}, Yearless(2, 29), "20240229/20240301", kLastOfFebruary},
        {{2023, 2, 28}, Yearless(2, 29), "20230228/20230301", kLastOfFebruary},
    };
    for (const auto& c : cases) {
        const agetest::ClockOverride clock(c.today);
        const std::string ics =
            exchange::WriteICalendar({{7, "Ann", 0, "", c.birth}}, At(2026, 12, 7, 9, 5, 1));
        const std::string dates = c.dates;
        EXPECT_EQ(ics.substr(ics.find("BEGIN:VEVENT")),
                  "BEGIN:VEVENT\r\nUID:marrowtide-birthday-7\r\nDTSTAMP:20261207T090501Z\r\n"
                  "DTSTART;VALUE=DATE:" +
                      dates.substr(0, 8) + "\r\nDTEND;VALUE=DATE:" + dates.substr(9) +
                      "\r\nRRULE:" + c.rule +
                      "\r\nSUMMARY:Ann's birthday\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n"
                      "END:VCALENDAR\r\n")
            << c.dates;
    }
}

// What a spreadsheet would run is guarded and reads back exactly; a line break of any
// kind is kept; the store's empty-comment mark is no comment.
TEST(WriteTest, CsvGuardsFormulasAndQuotesEveryLineBreak) {
    const struct {
        std::string text;
        std::string written;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tTab", "'\tTab"},
        {"\rCR", "\"'\rCR\""},
        {"a\rb", "\"a\rb\""},
        {"'=x", "''=x"},
        {"'quoted'", "'quoted'"},
        {"a-b=c", "a-b=c"},
        {".", ""},
    };
    for (const auto& c : cases) {
        const std::vector<ExportPerson> one = {{1, "N", At(1990, 3, 15), c.text, {}}};
        const std::string csv = exchange::WriteCsv(one);
        EXPECT_EQ(csv, "Name,Birth,Comments\r\nN,1990-03-15 00:00:00," + c.written + "\r\n");
        const std::string back = c.text == "." ? "" : c.text;
        EXPECT_EQ(exchange::ReadCsv(csv).records.at(0).comments, back) << c.text;
    }
}

// A comment's CRLF is one line break in a vCard; bytes that are no UTF-8 still end.
TEST(WriteTest, VCardWritesOneBreakPerCrlfAndEndsOnAnyBytes) {
    const std::vector<ExportPerson> one = {{1, "N", At(1990, 3, 15), "a\r\nb", {}}};
    EXPECT_NE(exchange::WriteVCard(one).find("NOTE:a\\nb\r\n"), std::string::npos);
    const std::vector<ExportPerson> bad = {{1, std::string(200, '\x80'), At(1990, 3, 15), "", {}}};
    EXPECT_NE(exchange::WriteVCard(bad).find("END:VCARD"), std::string::npos);
    EXPECT_NE(exchange::WriteICalendar(bad).find("END:VCALENDAR"), std::string::npos);
}

TEST(WriteTest, FoldsAt75OctetsWithoutSplittingACharacter) {
    const std::string names[] = {std::string(200, 'a'),
                                 std::string(37, 'a') + "é" + std::string(80, 'b'),
                                 [] {
                                     std::string s;
                                     for (int i = 0; i < 60; ++i) s += "王";
                                     return s;
                                 }(),
                                 [] {
                                     std::string s = "a";
                                     for (int i = 0; i < 40; ++i) s += "𝄞";
                                     return s;
                                 }()};
    for (const std::string& name : names) {
        const std::vector<ExportPerson> one = {{7, name, At(1990, 3, 15), name, {}}};
        for (const std::string& out : {exchange::WriteVCard(one), exchange::WriteICalendar(one)}) {
            std::size_t start = 0;
            while (start < out.size()) {
                const std::size_t end = out.find("\r\n", start);
                ASSERT_NE(end, std::string::npos);
                EXPECT_LE(end - start, 75u) << name;
                EXPECT_NE(static_cast<unsigned char>(out[start]) & 0xC0, 0x80u) << name;
                if (out[start] == ' ') {
                    EXPECT_NE(static_cast<unsigned char>(out[start + 1]) & 0xC0, 0x80u) << name;
                }
                start = end + 2;
            }
        }
        EXPECT_EQ(exchange::ReadVCard(exchange::WriteVCard(one)).records.at(0).name, name);
    }
}

TEST(WriteTest, DetectsTheFormatFromContentThenName) {
    using exchange::Format;
    const struct {
        std::string bytes;
        const char* file;
        std::optional<Format> expected;
    } cases[] = {
        {"BEGIN:VCARD\r\nVERSION:3.0\r\n", "people.csv", Format::VCard},
        {"\xEF\xBB\xBF\r\n  begin:vcard\n", "", Format::VCard},
        {std::string("\xFF\xFE"
                     "B\0E\0G\0I\0N\0:\0V\0C\0A\0L\0E\0N\0D\0A\0R\0",
                     32),
         "x", Format::ICalendar},
        {"Name,Birth,Comments\r\n", "people.vcf", Format::VCard},
        {"", "People.CSV", Format::Csv},
        {"", "a.VCard", Format::VCard},
        {"", "a.ics", Format::ICalendar},
        {"Name,Birth,Comments\r\n", "people.txt", Format::Csv},
        {"Name;Birth\r\n", "people.txt", std::nullopt},
        {"", "csv", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exchange::DetectFormat(c.bytes, c.file), c.expected) << c.file;
}

}  // namespace
