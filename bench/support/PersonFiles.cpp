#include "PersonFiles.h"

#include <stdexcept>

#include "store/Connection.h"
#include "store/Database.h"
#include "store/Schema.h"

namespace bench {

namespace {

// Deterministic: the same people on every run.
constexpr const char* kFillSql =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?), "
    "firsts(k, name) AS (VALUES (0,'Ann'),(1,'bob'),(2,'Carla'),(3,'Dmitri'),(4,'Eve'),"
    "(5,'Farouk'),(6,'greta'),(7,'Hiro'),(8,'Ines'),(9,'Jon')), "
    "lasts(k, name) AS (VALUES (0,'Walker'),(1,'Okafor'),(2,'Lindqvist'),(3,'Nakamura'),"
    "(4,'Moreau'),(5,'Silva'),(6,'Kowalski'),(7,'Brown')) "
    "INSERT INTO tblAges (strName, dtmBirth, strComments) "
    "SELECT (SELECT name FROM firsts WHERE k = (i * 7) % 10) || ' ' || "
    "       (SELECT name FROM lasts WHERE k = (i / 10) % 8) || ' ' || ((i * 7919) % 100003), "
    "       date('1925-01-01', '+' || ((i * 104729) % 36500) || ' days') || ' ' || "
    "       printf('%02d:%02d:00', i % 24, (i * 7) % 60), "
    "       CASE WHEN i % 3 = 0 THEN '.' ELSE 'Note ' || (i % 997) END "
    "FROM n";

}  // namespace

std::string PersonFiles::folderWith(int count) {
    const std::filesystem::path folder = root_.path() / std::to_string(count);
    const std::filesystem::path file = folder / modAgeCalc::kDatabaseFileName;
    if (std::filesystem::exists(file)) return folder.string();
    std::filesystem::create_directories(folder);
    std::string message;
    if (!store::CreateEmptyDatabase(file.string(), message)) throw std::runtime_error(message);
    if (count <= 0) return folder.string();
    store::Connection connection;
    store::Error error;
    if (!connection.Open(file.string(), error) ||
        !connection.Execute(kFillSql, {std::int64_t{count}}, error))
        throw std::runtime_error(error.description);
    return folder.string();
}

}  // namespace bench
