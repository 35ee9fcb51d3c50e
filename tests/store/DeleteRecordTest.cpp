#include <gtest/gtest.h>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "store/PersonStore.h"

namespace {

using modAgeCalc::DeleteRecord;
using platform::MsgAnswer;
using testsupport::TestDatabase;

class DeleteRecordOnThree : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Ann", "Bob", "Cy"}) db.insert(name, "2000-01-01", ".");
        before = db.rows();
    }
    TestDatabase db;
    std::vector<TestDatabase::Row> before;
};

TEST_F(DeleteRecordOnThree, DeletesOnlyTheRowWithThatKey) {
    testsupport::ScriptedMessageBox box;
    DeleteRecord("tblAges", "lngID", static_cast<std::int32_t>(before[1].id));
    EXPECT_EQ(box.count(), 0u);
    EXPECT_EQ(db.rows(), (std::vector<TestDatabase::Row>{before[0], before[2]}));
}

TEST_F(DeleteRecordOnThree, AKeyMatchingNoRowDeletesNothingAndShowsNothing) {
    testsupport::ScriptedMessageBox box;
    for (std::int32_t key : {0, -1, 999, 2147483647}) DeleteRecord("tblAges", "lngID", key);
    EXPECT_EQ(box.count(), 0u);
    EXPECT_EQ(db.rows(), before);
}

TEST_F(DeleteRecordOnThree, HostileNamesCannotRunSql) {
    const struct {
        const char* table;
        const char* field;
    } table[] = {
        {"tblAges; DROP TABLE tblAges; --", "lngID"},
        {"tblAges\" WHERE 1=1; --", "lngID"},
        {"tblAges", "lngID OR 1=1 OR lngID"},
        {"tblAges", "lngID\" OR \"1\"=\"1"},
        {"tblAges", "lngID = lngID --"},
        {"", ""},
    };
    for (const auto& row : table) {
        testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
        DeleteRecord(row.table, row.field, static_cast<std::int32_t>(before[0].id));
        ASSERT_EQ(box.count(), 1u) << row.table << " / " << row.field;
        EXPECT_NE(box.asked()[0].text.find("no such"), std::string::npos) << box.asked()[0].text;
        EXPECT_EQ(db.rows(), before) << row.table << " / " << row.field;
    }
}

TEST(DeleteRecordFails, MissingFileShowsTheDialogPerStepAndCreatesNothing) {
    TestDatabase db(false);
    testsupport::ScriptedMessageBox box{MsgAnswer::Ignore, MsgAnswer::Ignore};
    DeleteRecord("tblAges", "lngID", 17);
    ASSERT_EQ(box.count(), 2u);
    EXPECT_EQ(box.asked()[0].text.rfind("Error: 14 - ", 0), 0u);
    EXPECT_EQ(box.asked()[0].title, "An Error Occured!");
    EXPECT_EQ(box.asked()[0].style, 306);
    EXPECT_EQ(box.asked()[1].text.rfind("Error: 3709 - ", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(db.path()));
}

}  // namespace
