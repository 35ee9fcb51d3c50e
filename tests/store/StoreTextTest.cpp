// The store's pure helpers: folder and path, error text, Null handling, birth text.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>

#include "age/DateValue.h"
#include "store/BirthText.h"
#include "store/Database.h"
#include "store/PersonStore.h"

namespace {

using store::Value;

const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));

TEST(DatabaseFolder, TrailingSeparatorIsAddedExactlyOnce) {
    const struct {
        std::string in, out;
    } table[] = {
        {"", ""},
        {"/opt/app", "/opt/app" + kSep},
        {"/opt/app/", "/opt/app/"},
        {"/opt/app" + kSep, "/opt/app" + kSep},
        {"rel", "rel" + kSep},
        {"/", "/"},
    };
    for (const auto& row : table)
        EXPECT_EQ(modAgeCalc::WithTrailingSeparator(row.in), row.out) << row.in;
}

TEST(DatabaseFolder, PathIsFolderFollowedDirectlyByTheFileName) {
    modAgeCalc::SetDatabaseFolder("/data/app/");
    EXPECT_EQ(modAgeCalc::DatabaseFolder(), "/data/app/");
    EXPECT_EQ(modAgeCalc::DatabasePath(), "/data/app/Marrowtide.mdb");
    modAgeCalc::SetDatabaseFolder("/data/app");  // kept as given, nothing inserted
    EXPECT_EQ(modAgeCalc::DatabasePath(), "/data/appMarrowtide.mdb");
    modAgeCalc::SetDatabaseFileName("family.db");  // a file named on the command line
    EXPECT_EQ(modAgeCalc::DatabasePath(), "/data/appfamily.db");
    modAgeCalc::SetDatabaseFileName("");
    EXPECT_EQ(modAgeCalc::DatabasePath(), "/data/appMarrowtide.mdb");
    modAgeCalc::SetDatabaseFolder("");
}

TEST(StoreErrorText, TwoLinesInTheFixedLayout) {
    EXPECT_EQ(modAgeCalc::StoreErrorText({14, "unable to open database file", "SQLite"}),
              "Error: 14 - unable to open database file\r\nFrom: SQLite.");
    EXPECT_EQ(modAgeCalc::StoreErrorText({-2147217864, "Row gone.", "Marrowtide store"}),
              "Error: -2147217864 - Row gone.\r\nFrom: Marrowtide store.");
}

TEST(NullToEmpty, OnlyNullBecomesTheEmptyText) {
    const struct {
        Value in, out;
    } table[] = {
        {std::monostate{}, std::string()},    {std::int64_t{0}, std::int64_t{0}},
        {std::string(), std::string()},       {0.0, 0.0},
        {std::string("."), std::string(".")},
    };
    for (const auto& row : table) EXPECT_EQ(modAgeCalc::NullToEmpty(row.in), row.out);
}

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

TEST(BirthText, ValuesBecomeIsoTextToTheSecondAndBack) {
    const struct {
        double value;
        const char* iso;
    } table[] = {
        {0.0, "1899-12-30 00:00:00"},
        {-1.25, "1899-12-29 06:00:00"},
        {At(1980, 2, 29, 13, 14, 15), "1980-02-29 13:14:15"},
        {At(100, 1, 1), "0100-01-01 00:00:00"},
        {At(9999, 12, 31, 23, 59, 59), "9999-12-31 23:59:59"},
        {At(1850, 7, 4, 23, 59, 59), "1850-07-04 23:59:59"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(modAgeCalc::BirthToIso(row.value), row.iso);
        double back = 1e9;
        ASSERT_TRUE(modAgeCalc::BirthFromStored(Value(std::string(row.iso)), back)) << row.iso;
        EXPECT_EQ(modAgeCalc::BirthToIso(back), row.iso);
        EXPECT_NEAR(back, row.value, 0.5 / 86400) << row.iso;
    }
}

TEST(BirthText, HalfSecondsRoundAndOutOfRangeHasNoText) {
    EXPECT_EQ(modAgeCalc::BirthToIso(At(2001, 1, 1, 23, 59, 59) + 0.6 / 86400),
              "2001-01-02 00:00:00");
    EXPECT_EQ(modAgeCalc::BirthToIso(At(10000 - 1, 12, 31) + 1.0), "");
    EXPECT_EQ(modAgeCalc::BirthToIso(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(modAgeCalc::BirthToIso(-700000.0), "");
}

TEST(BirthText, StoredFormsAccepted) {
    const struct {
        Value stored;
        double expected;
    } table[] = {
        {std::string("2020-05-06"), At(2020, 5, 6)},
        {std::string("2020-05-06 07:08"), At(2020, 5, 6, 7, 8)},
        {std::string("2020-05-06T07:08:09"), At(2020, 5, 6, 7, 8, 9)},
        {std::string("2020-05-06 07:08:09.500"), At(2020, 5, 6, 7, 8, 9) + 0.5 / 86400},
        {std::string("1899-12-29 06:00:00.5"), -1.25 - 0.5 / 86400},
        {36526.5, 36526.5},
        {std::int64_t{36526}, 36526.0},
    };
    for (const auto& row : table) {
        double out = 0;
        ASSERT_TRUE(modAgeCalc::BirthFromStored(row.stored, out));
        EXPECT_DOUBLE_EQ(out, row.expected);
    }
}

TEST(BirthText, StoredFormsRefusedLeaveTheOutputAlone) {
    const Value table[] = {
        std::monostate{},
        std::string(),
        std::string("2021-02-29 00:00:00"),  // no leap day that year
        std::string("2021-13-01"),
        std::string("2021-01-01 24:00:00"),
        std::string("2021-01-01 10:00:00Z"),
        std::string("21-01-01"),
        std::string("2021-1-01"),
        std::string("2021-01-01 10:00:00."),
        std::string("0099-12-31"),
        std::string("9999-12-31 23:59:59.5"),  // rounds to the year 10000
        // The program's own forms with a field out of range or a byte beyond them.
        std::string("0001-01-01"),
        std::string("0099-12-31 23:59:59"),
        std::string("1900-02-29"),
        std::string("2020-04-31"),
        std::string("2020-00-10"),
        std::string("2020-13-10 00:00:00"),
        std::string("2020-01-00"),
        std::string("2020-01-32 00:00:00"),
        std::string("2020-01-01 23:60:00"),
        std::string("2020-01-01 23:59:60"),
        std::string("2020-01-01 00:00:00 "),
        std::string("2020-01-01\0", 11),
        std::string("45000.5"),
        3e6,
        std::int64_t{-700000},
    };
    for (const auto& stored : table) {
        double out = 7.0;
        EXPECT_FALSE(modAgeCalc::BirthFromStored(stored, out));
        EXPECT_EQ(out, 7.0);
    }
}

// The forms the program writes have a quicker reading of their own; it must give the very
// bits the general reading gives the same moment in a form only that one reads.
TEST(BirthText, WrittenFormsReadToTheBitsOfTheirMoment) {
    const struct {
        const char* text;
        double expected;
    } table[] = {
        {"2020-02-29 12:00:00", At(2020, 2, 29, 12)},
        {"0100-01-01 00:00:00", At(100, 1, 1)},
        {"9999-12-31", At(9999, 12, 31)},
        {"9999-12-31 23:59:59", At(9999, 12, 31, 23, 59, 59)},
        {"1899-12-30 00:00:00", 0.0},
        {"1899-12-29", -1.0},
        {"1899-12-29 23:59:59", At(1899, 12, 29, 23, 59, 59)},
        {"1899-12-30 00:00:01", At(1899, 12, 30, 0, 0, 1)},
    };
    for (const auto& row : table) {
        const std::string text = row.text;
        const std::string other =
            text.size() == 10 ? text + " 00:00" : std::string(text).replace(10, 1, "T");
        double out = 7.0, otherOut = 7.0;
        ASSERT_TRUE(modAgeCalc::BirthFromStored(Value(text), out)) << text;
        ASSERT_TRUE(modAgeCalc::BirthFromStored(Value(other), otherOut)) << other;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(out), std::bit_cast<std::uint64_t>(row.expected))
            << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(out), std::bit_cast<std::uint64_t>(otherOut))
            << text;
    }
}

// Bytes next to the digits ('/', ':'), a digit's low half under another high half
// (0xB5), a NUL, a separator in a digit's place and the like, in every position.
TEST(BirthText, WrittenFormsWithAByteOutOfPlaceAreRefused) {
    for (const std::string form : {"2020-05-06 07:08:09", "2020-05-06"}) {
        for (std::size_t at = 0; at < form.size(); ++at) {
            for (const char byte : {'\0', '/', ':', '@', 'a', ' ', '-', '\xB5'}) {
                if (byte == form[at]) continue;
                std::string text = form;
                text[at] = byte;
                double out = 7.0;
                EXPECT_FALSE(modAgeCalc::BirthFromStored(Value(text), out)) << at << ": " << text;
            }
        }
    }
}

}  // namespace
