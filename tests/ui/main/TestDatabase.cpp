#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/Connection.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace maintest {

TestDatabase::TestDatabase() {
    std::string error;
    if (!store::CreateEmptyDatabase(path(), error)) ADD_FAILURE() << error;
}

QString TestDatabase::folder() const {
    return QString::fromStdString(dir_.path().string());
}

std::string TestDatabase::path() const {
    return (dir_.path() / modAgeCalc::kDatabaseFileName).string();
}

void TestDatabase::add(const std::string& name, const std::string& birth,
                       const std::string& comments, std::optional<std::int32_t> id) {
    store::Connection connection;
    store::Error error;
    const store::Value birthValue = birth.empty() ? store::Value{} : store::Value{birth};
    const bool done =
        connection.Open(path(), error) &&
        (id ? connection.Execute("INSERT INTO tblAges (lngID, strName, dtmBirth, strComments) "
                                 "VALUES (?, ?, ?, ?)",
                                 {std::int64_t{*id}, name, birthValue, comments}, error)
            : connection.Execute("INSERT INTO tblAges (strName, dtmBirth, strComments) "
                                 "VALUES (?, ?, ?)",
                                 {name, birthValue, comments}, error));
    if (!done) ADD_FAILURE() << error.description;
}

void TestDatabase::execute(const std::string& sql) {
    store::Connection connection;
    store::Error error;
    if (!connection.Open(path(), error) || !connection.Execute(sql, {}, error))
        ADD_FAILURE() << error.description;
}

void TestDatabase::remove() {
    std::filesystem::remove(path());
}

}  // namespace maintest
