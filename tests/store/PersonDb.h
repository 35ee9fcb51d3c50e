#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TempDir.h"
#include "store/Value.h"

struct sqlite3;

namespace storetest {

// A fresh Marrowtide.mdb with the empty person table in a temporary folder, set as
// the database folder for the test's lifetime. Rows are read and written here with
// SQLite directly, so checks do not depend on the code under test.
class PersonDb {
public:
    struct Row {
        std::int64_t id = 0;
        store::Value name;
        store::Value birth;
        store::Value comments;
        friend bool operator==(const Row&, const Row&) = default;
    };

    explicit PersonDb(bool createDatabase = true);
    ~PersonDb();
    PersonDb(const PersonDb&) = delete;
    PersonDb& operator=(const PersonDb&) = delete;

    std::string path() const;
    const testsupport::TempDir& dir() const { return dir_; }

    std::int64_t insert(const std::string& name, const std::string& birth,
                        const std::string& comments);
    std::vector<Row> rows() const;
    // Runs SQL given by the test itself (never user text); fails the test on error.
    void exec(const std::string& sql) const;

private:
    testsupport::TempDir dir_;
};

// Reads a whole file, to show that a refused or failed operation left it alone.
std::string FileBytes(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace storetest
