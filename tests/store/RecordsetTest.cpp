// The small data-access layer: opening files, running statements, walking and
// changing a recordset.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestDatabase.h"
#include "store/Connection.h"
#include "store/Recordset.h"

namespace {

using store::Connection;
using store::Error;
using store::Recordset;
using store::Value;
using testsupport::TestDatabase;

TEST(Connection, MissingFileFailsWithItsPathAndIsNotCreated) {
    TestDatabase db(false);
    Connection conn;
    Error e;
    EXPECT_FALSE(conn.Open(db.path(), e));
    EXPECT_EQ(e.number, 14);  // SQLITE_CANTOPEN
    EXPECT_EQ(e.source, "SQLite");
    EXPECT_NE(e.description.find(db.path()), std::string::npos) << e.description;
    EXPECT_FALSE(conn.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(db.path()));
}

TEST(Connection, ForeignFileFailsAtOpen) {
    TestDatabase db(false);
    testsupport::WriteFile(db.path(), "Name,Birth\nAda,1815-12-10\n");
    Connection conn;
    Error e;
    EXPECT_FALSE(conn.Open(db.path(), e));
    EXPECT_EQ(e.number, 26);  // SQLITE_NOTADB
    EXPECT_FALSE(conn.IsOpen());
}

TEST(Connection, RunsOneStatementOnlyWithBoundValues) {
    TestDatabase db;
    db.insert("Ann", "2000-01-01 00:00:00", ".");
    Connection conn;
    Error e;
    ASSERT_TRUE(conn.Open(db.path(), e)) << e.description;

    EXPECT_FALSE(conn.Execute("DELETE FROM tblAges; DROP TABLE tblAges", {}, e));
    EXPECT_EQ(e.number, store::kBadArguments);
    EXPECT_FALSE(conn.Execute("  -- nothing\n", {}, e));
    EXPECT_FALSE(conn.Execute("DELETE FROM tblAges WHERE lngID = ?", {}, e));
    EXPECT_EQ(db.rows().size(), 1u);

    EXPECT_TRUE(conn.Execute("UPDATE tblAges SET strName = ? WHERE lngID = ?; -- done",
                             {std::string("Bo'b"), std::int64_t{1}}, e))
        << e.description;
    EXPECT_EQ(conn.Changes(), 1);
    EXPECT_EQ(db.rows().at(0).name, Value(std::string("Bo'b")));
}

class RecordsetOnThree : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Ann", "Bob", "Cy"})
            keys.push_back(db.insert(name, "2000-01-01", "."));
        ASSERT_TRUE(conn.Open(db.path(), e)) << e.description;
    }
    TestDatabase db;
    Connection conn;
    Error e;
    std::vector<std::int64_t> keys;
};

TEST_F(RecordsetOnThree, WalksAllRowsByIndexAndName) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges ORDER BY lngID", {}, e)) << e.description;
    EXPECT_EQ(rs.FieldCount(), 4);
    const int name = rs.FieldIndex("STRNAME");
    EXPECT_EQ(name, 1);
    EXPECT_EQ(rs.FieldIndex("nope"), -1);
    std::vector<Value> names;
    EXPECT_FALSE(rs.Bof());
    while (!rs.Eof()) {
        names.push_back(rs.Field(name));
        ASSERT_TRUE(rs.MoveNext(e)) << e.description;
    }
    EXPECT_EQ(names,
              (std::vector<Value>{std::string("Ann"), std::string("Bob"), std::string("Cy")}));
    EXPECT_FALSE(rs.MoveNext(e));
    EXPECT_EQ(e.number, store::kNoCurrentRow);
    EXPECT_FALSE(rs.SetField("strName", std::string("Dee"), e));
    EXPECT_EQ(e.number, store::kNoCurrentRow);

    ASSERT_TRUE(rs.MoveLast(e));
    EXPECT_EQ(rs.Field(rs.FieldIndex("lngID")), Value(keys.back()));
    EXPECT_FALSE(rs.SetField("nope", std::string("Dee"), e));
    EXPECT_EQ(e.number, store::kFieldNotFound);
}

TEST_F(RecordsetOnThree, EmptyResultIsBothBofAndEof) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges WHERE lngID = ?", {std::int64_t{999}}, e));
    EXPECT_TRUE(rs.Bof());
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.MoveFirst(e));
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(rs.SetField("strName", std::string("x"), e));
    EXPECT_EQ(e.number, store::kNoCurrentRow);
    EXPECT_FALSE(rs.Update(e));
    EXPECT_EQ(e.number, store::kNoCurrentRow);
}

TEST_F(RecordsetOnThree, RowsAddedBeforeTheLazyReadAppearOnceAtTheEnd) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges", {}, e, Recordset::Fetch::OnFirstUse));
    ASSERT_TRUE(rs.AddNew(e)) << e.description;
    ASSERT_TRUE(rs.SetField("strName", std::string("Dee"), e));
    ASSERT_TRUE(rs.Update(e)) << e.description;
    const Value newKey = rs.Field(rs.FieldIndex("lngID"));
    EXPECT_GT(std::get<std::int64_t>(newKey), keys.back());

    EXPECT_EQ(rs.RecordCount(), 4);
    ASSERT_TRUE(rs.MoveLast(e));
    EXPECT_EQ(rs.Field(0), newKey);
    EXPECT_EQ(rs.Field(1), Value(std::string("Dee")));
    EXPECT_EQ(db.rows().size(), 4u);
}

TEST_F(RecordsetOnThree, ChangingARowDeletedMeanwhileIsReportedAndStaysPending) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges WHERE lngID = ?", {keys[1]}, e));
    ASSERT_TRUE(rs.SetField("strComments", std::string("late"), e));
    db.exec("DELETE FROM tblAges WHERE lngID = " + std::to_string(keys[1]));
    EXPECT_FALSE(rs.Update(e));
    EXPECT_EQ(e.number, store::kRowNotLocated);
    db.exec("INSERT INTO tblAges (lngID, strName) VALUES (" + std::to_string(keys[1]) + ", 'Bob')");
    EXPECT_TRUE(rs.Update(e)) << e.description;
    EXPECT_EQ(db.rows().at(1).comments, Value(std::string("late")));
}

TEST_F(RecordsetOnThree, MovingAwayDropsUnwrittenChanges) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges ORDER BY lngID", {}, e));
    ASSERT_TRUE(rs.SetField("strName", std::string("Zed"), e));
    ASSERT_TRUE(rs.MoveNext(e));
    ASSERT_TRUE(rs.MoveFirst(e));
    EXPECT_EQ(rs.Field(1), Value(std::string("Ann")));
    EXPECT_EQ(db.rows().at(0).name, Value(std::string("Ann")));
}

TEST_F(RecordsetOnThree, QueriesThatAreNotOneTableWithItsKeyCannotBeChanged) {
    db.exec("CREATE TABLE tblNotes (lngID INTEGER, strText TEXT)");
    for (const char* sql :
         {"SELECT lngID + 1 AS lngID, strName FROM tblAges", "SELECT strName FROM tblAges",
          "SELECT * FROM tblAges a JOIN tblNotes n ON a.lngID = n.lngID", "SELECT * FROM tblNotes",
          "SELECT 1 AS lngID"}) {
        Recordset rs;
        ASSERT_TRUE(rs.Open(conn, sql, {}, e)) << sql << ": " << e.description;
        EXPECT_FALSE(rs.AddNew(e)) << sql;
        EXPECT_EQ(e.number, store::kNotUpdatable) << sql;
    }
}

// Enough rows to fill several of the recordset's storage blocks, holding every kind of
// value SQLite hands over, each read back exactly, also through the copy-free view.
TEST(Recordset, LargeResultsOfEveryKindReadBackWhole) {
    constexpr int kRows = 60000;
    constexpr int kLongRow = 777;
    TestDatabase db;
    db.exec("CREATE TABLE tblMixed (lngID INTEGER PRIMARY KEY, v, t TEXT)");
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(kRows) +
            ") INSERT INTO tblMixed (lngID, v, t) SELECT i, CASE i % 5 WHEN 0 THEN NULL "
            "WHEN 1 THEN i * -3 WHEN 2 THEN i / 4.0 WHEN 3 THEN CAST('b' || i AS BLOB) "
            "ELSE 'Name ' || i END, CASE WHEN i = " +
            std::to_string(kLongRow) + " THEN printf('%.*c', 300000, 'c') ELSE '.' END FROM n");
    Connection conn;
    Error e;
    ASSERT_TRUE(conn.Open(db.path(), e)) << e.description;
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblMixed ORDER BY lngID", {}, e)) << e.description;
    ASSERT_EQ(rs.RecordCount(), kRows);
    for (std::int64_t i = 1; i <= kRows; ++i) {
        ASSERT_FALSE(rs.Eof()) << i;
        ASSERT_EQ(rs.Field(0), Value(i));
        Value v;
        switch (i % 5) {
            case 0:
                v = std::monostate{};
                break;
            case 1:
                v = i * -3;
                break;
            case 2:
                v = static_cast<double>(i) / 4.0;
                break;
            case 3:
                v = std::string("b").append(std::to_string(i));
                break;
            default:
                v = std::string("Name ").append(std::to_string(i));
                break;
        }
        ASSERT_EQ(rs.Field(1), v) << i;
        ASSERT_EQ(rs.FieldView(1), store::ViewOf(v)) << i;
        const Value t = rs.Field(2);
        ASSERT_EQ(t, Value(i == kLongRow ? std::string(300000, 'c') : std::string("."))) << i;
        ASSERT_TRUE(rs.MoveNext(e)) << e.description;
    }
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.FieldView(0), store::ValueView());  // no current row
}

// A view of a field outlives moving on and survives changes to other rows' fields.
TEST_F(RecordsetOnThree, FieldViewsStayValidWhileTheRecordsetIsOpen) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges ORDER BY lngID", {}, e)) << e.description;
    const store::ValueView first = rs.FieldView(1);
    ASSERT_TRUE(rs.MoveNext(e));
    ASSERT_TRUE(rs.SetField("strName", std::string("Robert, a much longer name"), e));
    EXPECT_EQ(rs.FieldView(1), store::ValueView(std::string_view("Robert, a much longer name")));
    rs.CancelUpdate();
    EXPECT_EQ(rs.Field(1), Value(std::string("Bob")));
    EXPECT_EQ(first, store::ValueView(std::string_view("Ann")));
}

TEST_F(RecordsetOnThree, ClosedObjectsRefuseWork) {
    Recordset rs;
    EXPECT_FALSE(rs.AddNew(e));
    EXPECT_EQ(e.number, store::kObjectClosed);
    conn.Close();
    EXPECT_FALSE(rs.Open(conn, "SELECT * FROM tblAges", {}, e));
    EXPECT_EQ(e.number, store::kConnectionUnusable);
}

}  // namespace
