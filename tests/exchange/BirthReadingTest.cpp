#include <gtest/gtest.h>

#include "exchange/BirthReading.h"
#include "exchange/DateForms.h"

namespace {

using exchange::ReadBirthText;

std::string Outcome(const exchange::BirthReading& b) {
    return b.problem.empty() ? exchange::IsoDateTime(b.value) : b.problem;
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
        {" --03-15", "the birthday has no year"},
        {"--0315", "the birthday has no year"},
        {"--03-1x", "--03-1x is no date"},
        {"3/15", "the birthday has no year"},
        {"1604-03-15", "the birthday has no year (1604 stands for an unknown year)"},
        {"0000-03-15", "the birthday has no year (0000 stands for an unknown year)"},
        {"2/30/1604", "the birthday has no year (1604 stands for an unknown year)"},
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
        {"", "3", "15", "the birthday has no year"},
        {"1604", "3", "15", "the birthday has no year (1604 stands for an unknown year)"},
        {"2001", "2", "30", "2001-2-30 is no date"},
        {"1990", "", "15", "1990--15 is no date"},
        {"1990", "March", "15", "1990-March-15 is no date"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(exchange::ReadBirthParts(c.year, c.month, c.day)), c.expected)
            << c.year << "/" << c.month << "/" << c.day;
}

}  // namespace
