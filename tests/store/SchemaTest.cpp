// The empty database: made by the library function and by the marrowtide-mkdb tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestDatabase.h"
#include "store/Connection.h"
#include "store/Recordset.h"
#include "store/Schema.h"

namespace {

using testsupport::TestDatabase;

void ExpectEmptyPersonTable(const std::string& path) {
    store::Connection conn;
    store::Error e;
    ASSERT_TRUE(conn.Open(path, e)) << e.description;
    store::Recordset rs;
    ASSERT_TRUE(rs.Open(conn, "SELECT * FROM tblAges", {}, e)) << e.description;
    ASSERT_EQ(rs.FieldCount(), 4);
    const char* names[] = {"lngID", "strName", "dtmBirth", "strComments"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(rs.FieldName(i), names[i]);
    EXPECT_TRUE(rs.Eof());
}

TEST(CreateEmptyDatabase, MakesAFileTheStoreOpensWithTheEmptyTable) {
    TestDatabase db(false);
    std::string error;
    ASSERT_TRUE(store::CreateEmptyDatabase(db.path(), error)) << error;
    ExpectEmptyPersonTable(db.path());
}

TEST(CreateEmptyDatabase, RefusesAnExistingFileAndLeavesItByteIdentical) {
    TestDatabase db(false);
    for (const std::string& bytes : {std::string(), std::string("not a database\0\x01", 16)}) {
        testsupport::WriteFile(db.path(), bytes);
        std::string error;
        EXPECT_FALSE(store::CreateEmptyDatabase(db.path(), error));
        EXPECT_NE(error.find("already exists"), std::string::npos) << error;
        EXPECT_EQ(testsupport::FileBytes(db.path()), bytes);
    }
}

TEST(CreateEmptyDatabase, MissingFolderFailsWithoutLeavingAFile) {
    TestDatabase db(false);
    const std::string path = (db.dir().path() / "no" / "Marrowtide.mdb").string();
    std::string error;
    EXPECT_FALSE(store::CreateEmptyDatabase(path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(db.dir().path() / "no"));
}

int RunMkdb(const std::string& args, const std::string& errors) {
    const std::string command =
        std::string("\"") + MARROWTIDE_MKDB + "\" " + args + " 2>\"" + errors + "\"";
    return std::system(command.c_str());
}

TEST(MkdbTool, CreatesTheDatabaseThenRefusesToTouchIt) {
    TestDatabase db(false);
    const std::string errors = (db.dir().path() / "stderr.txt").string();
    const std::string folder = std::string(1, '"').append(db.dir().path().string()).append(1, '"');
    ASSERT_EQ(RunMkdb(folder, errors), 0);
    ExpectEmptyPersonTable(db.path());

    db.insert("Ann", "2000-01-01", ".");
    const std::string bytes = testsupport::FileBytes(db.path());
    EXPECT_NE(RunMkdb(folder, errors), 0);
    EXPECT_NE(testsupport::FileBytes(errors).find("already exists"), std::string::npos);
    EXPECT_EQ(testsupport::FileBytes(db.path()), bytes);

    EXPECT_EQ(RunMkdb(folder + " --keep-existing", errors), 0);
    EXPECT_EQ(testsupport::FileBytes(db.path()), bytes);
    EXPECT_NE(RunMkdb("", errors), 0);
}

}  // namespace
