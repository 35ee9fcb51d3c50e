// Which database file the program opens, with temporary program and data folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <functional>

#include "TempDir.h"
#include "app/DataLocation.h"
#include "store/Connection.h"
#include "store/Schema.h"

namespace {

using app::DatabaseSource;

struct Folders {
    testsupport::TempDir root;
    QString program = QString::fromStdString((root.path() / "bin").string());
    // Not made yet: the program makes it on first use.
    QString data = QString::fromStdString((root.path() / "share" / "Marrowtide").string());
    QString other = QString::fromStdString((root.path() / "elsewhere.db").string());

    Folders() { QDir().mkpath(program); }
    app::DataFolders folders() const { return {program, data}; }
    static QString In(const QString& folder) { return QDir(folder).filePath("Marrowtide.mdb"); }
};

void MakeDatabase(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::string error;
    ASSERT_TRUE(store::CreateEmptyDatabase(path.toStdString(), error)) << error;
}

void WriteText(const QString& path, const char* text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

bool HasPersonTable(const QString& path) {
    store::Connection connection;
    store::Error e;
    return connection.Open(path.toStdString(), e) &&
           connection.Execute("SELECT * FROM tblAges", {}, e);
}

TEST(LocateDatabase, CommandLineThenProgramFolderThenDataFolder) {
    const struct {
        const char* what;
        bool requestOther, inProgram, inData;
        DatabaseSource source;
    } table[] = {
        {"first start", false, false, false, DatabaseSource::DataFolder},
        {"data folder", false, false, true, DatabaseSource::DataFolder},
        {"portable", false, true, true, DatabaseSource::ProgramFolder},
        {"named file", true, true, true, DatabaseSource::CommandLine},
    };
    for (const auto& row : table) {
        Folders f;
        if (row.requestOther) MakeDatabase(f.other);
        if (row.inProgram) MakeDatabase(Folders::In(f.program));
        if (row.inData) MakeDatabase(Folders::In(f.data));
        QString error;
        const auto found = app::LocateDatabase(row.requestOther ? f.other : QString(), f.folders(), error);
        ASSERT_TRUE(found) << row.what << ": " << error.toStdString();
        const QString expected = row.source == DatabaseSource::CommandLine   ? f.other
                                 : row.source == DatabaseSource::ProgramFolder ? Folders::In(f.program)
                                                                               : Folders::In(f.data);
        EXPECT_EQ(found->source, row.source) << row.what;
        EXPECT_EQ(found->path, QDir::toNativeSeparators(expected)) << row.what;
        EXPECT_TRUE(HasPersonTable(found->path)) << row.what;
        // Only a first start with nothing in the data folder makes a file.
        EXPECT_EQ(QFileInfo::exists(Folders::In(f.data)), row.inData || !row.inProgram) << row.what;
    }
}

// Other users of the machine may not read the birth dates: the folders made for the
// data (parents included) and the database made in them are the user's alone.
TEST(LocateDatabase, AFirstStartMakesPrivateFoldersAndAPrivateDatabase) {
    namespace fs = std::filesystem;
    Folders f;
    QString error;
    ASSERT_TRUE(app::LocateDatabase(QString(), f.folders(), error)) << error.toStdString();
    const auto modeOf = [](const QString& path) {
        return fs::status(path.toStdString()).permissions() & fs::perms::all;
    };
    const fs::perms folder = fs::perms::owner_all;
    const fs::perms file = fs::perms::owner_read | fs::perms::owner_write;
    EXPECT_EQ(modeOf(f.data), folder);
    EXPECT_EQ(modeOf(QFileInfo(f.data).absolutePath()), folder);  // "share", made as well
    EXPECT_EQ(modeOf(Folders::In(f.data)), file);
}

TEST(LocateDatabase, ANamedFileThatIsNoPersonDatabaseIsRefusedAndNeverCreated) {
    const struct {
        const char* what;
        std::function<void(const QString&)> make;
        const char* errorHas;
    } table[] = {
        {"missing", [](const QString&) {}, "does not exist"},
        {"folder", [](const QString& p) { QDir().mkpath(p); }, "is not a file"},
        {"text file", [](const QString& p) { WriteText(p, "name,birth\nAnn,1980\n"); }, "is not a Marrowtide database"},
        {"other database",
         [](const QString& p) {
             MakeDatabase(p);
             store::Connection c;
             store::Error e;
             ASSERT_TRUE(c.Open(p.toStdString(), e) && c.Execute("DROP TABLE tblAges", {}, e));
         },
         "is not a Marrowtide database"},
    };
    for (const auto& row : table) {
        Folders f;
        MakeDatabase(Folders::In(f.program));
        row.make(f.other);
        QString error;
        EXPECT_FALSE(app::LocateDatabase(f.other, f.folders(), error)) << row.what;
        EXPECT_TRUE(error.contains(row.errorHas)) << row.what << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(f.other))) << row.what;
        EXPECT_EQ(QFileInfo::exists(f.other), std::string(row.what) != "missing") << row.what;
        EXPECT_FALSE(QFileInfo::exists(f.data)) << row.what;
    }
}

}  // namespace
