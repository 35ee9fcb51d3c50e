#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "TempDir.h"

namespace maintest {

// A Marrowtide.mdb with the empty person table in a temporary folder. People are
// written with plain SQL, so the tests do not depend on the store's saving routine.
class TestDatabase {
public:
    TestDatabase();

    // The folder as the program passes it: no trailing separator.
    QString folder() const;
    std::string path() const;

    // `birth` is stored as given: SQLite's date text, or "" for Null.
    void add(const std::string& name, const std::string& birth, const std::string& comments,
             std::optional<std::int32_t> id = std::nullopt);
    void execute(const std::string& sql);
    void remove();

private:
    testsupport::TempDir dir_;
};

}  // namespace maintest
