#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "store/Value.h"

namespace testsupport {

// A fresh Marrowtide.mdb with the empty person table in a temporary folder, set as the
// database folder for the fixture's lifetime. Rows are read and written here with
// SQLite directly, so checks do not depend on the code under test.
class TestDatabase {
public:
    struct Row {
        std::int64_t id = 0;
        store::Value name;
        store::Value birth;
        store::Value comments;
        friend bool operator==(const Row&, const Row&) = default;
    };
    // A row with its columns as texts; Null reads as the empty text.
    struct TextRow {
        std::int32_t id = 0;
        std::string name;
        std::string birth;
        std::string comments;
    };

    explicit TestDatabase(bool createDatabase = true);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    std::string path() const;
    // The folder as the program is given it: no trailing separator.
    std::string folder() const { return dir_.path().string(); }
    const TempDir& dir() const { return dir_; }

    // Stores the texts as given; returns the key the row got.
    std::int64_t insert(const std::string& name, const std::string& birth,
                        const std::string& comments);
    // The same with an empty birth stored as Null, and with a key of the test's choice.
    void add(const std::string& name, const std::string& birth, const std::string& comments,
             std::optional<std::int32_t> id = std::nullopt);
    // Runs SQL given by the test itself (never user text); fails the test on error.
    void exec(const std::string& sql) const;
    void remove() const;

    std::vector<Row> rows() const;  // by key
    std::vector<TextRow> textRows() const;
    TextRow textRowWithKey(std::int32_t key) const;
    // Each row as "name<separator>birth<separator>comments", by key.
    std::vector<std::string> rowTexts(const std::string& separator) const;

private:
    TempDir dir_;
};

// Reads a whole file, to show that a refused or failed operation left it alone.
std::string FileBytes(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace testsupport
