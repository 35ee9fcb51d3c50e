#include <gtest/gtest.h>

#include "exchange/BirthReading.h"
#include "exchange/DateForms.h"

namespace {

using exchange::ReadBirthText;

std::string Outcome(const exchange::BirthReading& b) {
    if (!b.problem.empty()) return b.problem;
    return b.yearless.IsSet() ? modAgeCalc::YearlessToText(b.yearless)
                              : exchange::IsoDateTime(b.value);
}

TEST(BirthReadingTest, ReadsEveryDateFormAndNamesEveryProblem) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1990-03-15", "1990-03-15 00:00:00"},
        {"19900315", "1990-03-15 00:00:00"},
        {"  1990-03-15 ", "1990-03-15 00:00:00"},
        {"1990-03-15 14:30:05", "1990-03-15 14:30:05"},
        {"1990-03-15T14:30", "1990-03-15 14:30:00"},
        {"19900315T143000", "1990-03-15 14:30:00"},
        {"19900315T1430", "1990-03-15 14:30:00"},
        // A zone never moves the birth to another day.
        {"19900315T233000Z", "1990-03-15 23:30:00"},
        {"1990-03-15T00:30:00-05:00", "1990-03-15 00:30:00"},
        {"1990-03-15T00:30:00.250+0100", "1990-03-15 00:30:00"},
        {"19900315T0030+01", "1990-03-15 00:30:00"},
        {"3/15/1990", "1990-03-15 00:00:00"},
        {"12/31/1850 2:05 PM", "1850-12-31 14:05:00"},
        {"2000-02-29", "2000-02-29 00:00:00"},
        {"", "no birthday"},
        {"  ", "no birthday"},
        {"0/0/00", "no birthday"},
        {" --03-15", "--03-15"},
        {"--0315", "--03-15"},
        {"--03-1x", "--03-1x is no date"},
        {"3/15", "--03-15"},
        {"1604-03-15", "--03-15"},
        {"0000-03-15", "--03-15"},
        {"2/30/1604", "2/30/1604 is no date"},
        {"2/30/2001", "2/30/2001 is no date"},
        {"2001-02-29", "2001-02-29 is no date"},
        {"1990-13-01", "1990-13-01 is no date"},
        {"1990-03-15 24:00", "1990-03-15 24:00 is no date"},
        {"3/15/90", "3/15/90 is no date"},
        {"0099-03-15", "0099-03-15 is no date"},
        {"199003", "199003 is no date"},
        {"circa 1800", "circa 1800 is no date"},
        {"1990-03-15 14:30 tomorrow", "1990-03-15 14:30 tomorrow is no date"},
    };
    for (const auto& c : cases) EXPECT_EQ(Outcome(ReadBirthText(c.text)), c.expected) << c.text;
}

TEST(BirthReadingTest, ReadsSeparateYearMonthAndDay) {
    const struct {
        const char *year, *month, *day, *expected;
    } cases[] = {
        {"1990", "3", "15", "1990-03-15 00:00:00"},
        {"", "", "", "no birthday"},
        {"", "3", "15", "--03-15"},
        {"1604", "3", "15", "--03-15"},
        {"", "2", "29", "--02-29"},
        {"", "", "15", "the birthday has no month"},
        {"", "3", "", "the birthday has no day"},
        {"2001", "2", "30", "2001-2-30 is no date"},
        {"1990", "", "15", "1990--15 is no date"},
        {"1990", "March", "15", "1990-March-15 is no date"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(exchange::ReadBirthParts(c.year, c.month, c.day)), c.expected)
            << c.year << "/" << c.month << "/" << c.day;
}

// Every form a birthday without a year takes in the files of phones, webmail and mail
// programs; the placeholder years stand for an unknown year, every other year stays.
TEST(BirthReadingTest, KeepsBirthdaysWithoutAYear) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"--1208", "--12-08"},
        {"--12-08", "--12-08"},
        {"--1208T083000", "--12-08 08:30:00"},
        {"--12-08T08:30:00Z", "--12-08 08:30:00"},
        {"--0229", "--02-29"},
        {"12/8", "--12-08"},
        {"1604-02-29", "--02-29"},
        {"0000-12-08", "--12-08"},
        {"12/8/1604 2:05 PM", "--12-08 14:05:00"},
        {"1605-12-08", "1605-12-08 00:00:00"},
        // Neither month and day, or an impossible one.
        {"--", "-- is no date"},
        {"---", "--- is no date"},
        {"---08", "the birthday has no month"},
        {"--12", "the birthday has no day"},
        {"--0230", "--0230 is no date"},
        {"--1301", "--1301 is no date"},
        {"--00-00", "no birthday"},
        {"--12-08 garbage", "--12-08 garbage is no date"},
        {"--12-08T25:00", "--12-08T25:00 is no date"},
        {"1604-02-30", "1604-02-30 is no date"},
        {"12/", "12/ is no date"},
        // A long text is quoted cut, never inside a character.
        {"--1208 --------------------------------é",
         "--1208 --------------------------------... is no date"},
    };
    for (const auto& c : cases) EXPECT_EQ(Outcome(ReadBirthText(c.text)), c.expected) << c.text;
}

}  // namespace
