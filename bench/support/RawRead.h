#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The plainest possible read of the person table with SQLite's C interface: the
// yardstick the recordset's reading speed is measured against.
namespace store {

struct PersonRow {
    std::int32_t id = 0;
    std::string name;
    std::string birth;
    std::string comments;
};

bool ReadAllPersonsRaw(const std::string& path, std::vector<PersonRow>& rows, std::string& error);

}  // namespace store
