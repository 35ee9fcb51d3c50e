// Saving people when everything works: what lands in the table.
#include <gtest/gtest.h>

#include "ScriptedEventPump.h"
#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "age/DateValue.h"
#include "platform/EventPump.h"
#include "store/BirthText.h"
#include "store/PersonStamp.h"
#include "store/PersonStore.h"

namespace {

using modAgeCalc::SavePerson;
using store::Value;
using testsupport::TestDatabase;

Value Text(std::string s) {
    return Value(std::move(s));
}

class SavePersonOk : public ::testing::Test {
protected:
    TestDatabase db;
    testsupport::ScriptedMessageBox box;  // any question fails the test below
    const double birth = modAgeCalc::ToDateValue({1980, 2, 29, 13, 14, 15});

    void TearDown() override { EXPECT_EQ(box.count(), 0u); }
};

TEST_F(SavePersonOk, AddingAssignsANewKeyAndAddsExactlyOneRow) {
    testsupport::ScriptedEventPump pump;
    EXPECT_EQ(SavePerson(0, "Ann", birth, "first"), "");
    EXPECT_EQ(pump.calls(), 1);
    EXPECT_EQ(SavePerson(0, "Bob", birth, "second"), "");
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_GT(rows[0].id, 0);
    EXPECT_NE(rows[0].id, rows[1].id);
    EXPECT_EQ(rows[0].name, Text("Ann"));
    EXPECT_EQ(rows[0].birth, Text("1980-02-29 13:14:15"));
    EXPECT_EQ(rows[1].comments, Text("second"));
}

TEST_F(SavePersonOk, ChangingByKeyChangesOnlyThatRow) {
    for (const char* name : {"Ann", "Bob", "Cy"}) db.insert(name, "2000-01-01 00:00:00", ".");
    auto expected = db.rows();
    EXPECT_EQ(SavePerson(static_cast<std::int32_t>(expected[1].id), "Robert", birth, "renamed"),
              "");
    expected[1].name = Text("Robert");
    expected[1].birth = Text("1980-02-29 13:14:15");
    expected[1].comments = Text("renamed");
    EXPECT_EQ(db.rows(), expected);
}

TEST_F(SavePersonOk, EmptyCommentsAreStoredAsAFullStopOthersUnchanged) {
    const struct {
        std::string given, stored;
    } table[] = {{"", "."}, {" ", " "}, {".", "."}, {"x", "x"}};
    for (const auto& row : table) EXPECT_EQ(SavePerson(0, "P", birth, row.given), "");
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), std::size(table));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].comments, Text(table[i].stored));
}

TEST_F(SavePersonOk, BirthWithATimeOfDayRoundTripsToTheSecond) {
    const double births[] = {birth, -1.25, modAgeCalc::ToDateValue({100, 1, 1, 0, 0, 1}),
                             modAgeCalc::ToDateValue({9999, 12, 31, 23, 59, 59}),
                             birth + 0.4 / 86400};  // below a second: rounds away
    for (double b : births) ASSERT_EQ(SavePerson(0, "P", b, ""), "");
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), std::size(births));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double back = 0;
        ASSERT_TRUE(modAgeCalc::BirthFromStored(rows[i].birth, back));
        EXPECT_EQ(modAgeCalc::BirthToIso(back), modAgeCalc::BirthToIso(births[i]));
        EXPECT_NEAR(back, births[i], 0.5 / 86400);
    }
}

TEST_F(SavePersonOk, AwkwardTextIsStoredAndReadBackUnchanged) {
    const std::string texts[] = {
        "O'Brien \"The Hammer\"",
        "x'); DROP TABLE tblAges; --",
        "SELECT * FROM tblAges WHERE 1=1; DELETE FROM tblAges",
        "Zoë Ελένη 张伟 Алёна 🎂",
        std::string("before\0after", 12),
        "line one\r\nline two\ttab",
        std::string(1 << 20, 'm') + "end",
    };
    for (const auto& text : texts) ASSERT_EQ(SavePerson(0, text, birth, text), "");
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), std::size(texts));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, Text(texts[i])) << i;
        EXPECT_EQ(rows[i].comments, Text(texts[i])) << i;
    }
}

TEST_F(SavePersonOk, ADeletedKeyIsNeverHandedOutAgain) {
    ASSERT_EQ(SavePerson(0, "Ann", birth, ""), "");
    ASSERT_EQ(SavePerson(0, "Bob", birth, ""), "");
    const auto last = db.rows().back().id;
    modAgeCalc::DeleteRecord("tblAges", "lngID", static_cast<std::int32_t>(last));
    db.exec("DELETE FROM tblAges");
    ASSERT_EQ(SavePerson(0, "Cy", birth, ""), "");
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_GT(rows[0].id, last);
}

// A birthday without a year goes in as --MM-DD, with the time of day when there is one,
// in place of the date-time the request also carries. The row's stamp covers such a
// birth as any other: one changed elsewhere meanwhile is found and left as it is.
TEST_F(SavePersonOk, ABirthdayWithoutAYearIsStoredInItsFormOverACheckedRow) {
    const auto stampOf = [](const testsupport::TestDatabase::Row& row) {
        return store::StampOf(store::ValueView(row.id), store::ViewOf(row.name),
                              store::ViewOf(row.birth), store::ViewOf(row.comments));
    };
    using modAgeCalc::SaveOutcome;
    const struct {
        modAgeCalc::YearlessBirth saved;
        const char* changedTo;  // the birth another program stores meanwhile; null: none
        SaveOutcome outcome;
        const char* stored;
    } table[] = {
        {{12, 9, 0, 0, 0}, nullptr, SaveOutcome::Saved, "--12-09"},
        {{12, 9, 8, 30, 0}, nullptr, SaveOutcome::Saved, "--12-09 08:30:00"},
        {{2, 29, 23, 59, 59}, nullptr, SaveOutcome::Saved, "--02-29 23:59:59"},
        {{3, 4, 0, 0, 0}, "--12-09", SaveOutcome::ChangedOutside, "--12-09"},
        {{3, 4, 0, 0, 0}, "--12-08 00:00:01", SaveOutcome::ChangedOutside, "--12-08 00:00:01"}};
    for (const auto& row : table) {
        db.exec("DELETE FROM tblAges");
        db.insert("Ann", "--12-08", ".");
        const auto read = db.rows().front();
        if (row.changedTo)
            db.exec(std::string("UPDATE tblAges SET dtmBirth = '") + row.changedTo + "'");
        std::string failure;
        const modAgeCalc::SaveRequest request{
            static_cast<std::int32_t>(read.id), "Ann", birth, "", stampOf(read), row.saved};
        EXPECT_EQ(modAgeCalc::SavePerson(request, failure), row.outcome) << row.stored;
        EXPECT_EQ(db.rows().front().birth, Text(row.stored));
    }
}

}  // namespace
