// The stamp of a row as read tells whether the row changed before a save: any one change
// of a cell, however small, gives another stamp; the same cells give the same one.
#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <string_view>

#include "store/PersonStamp.h"

namespace {

using store::StampOf;
using store::ValueView;
using namespace std::string_view_literals;

struct Row {
    ValueView id, name, birth, comments;
};

store::PersonStamp StampOfRow(const Row& row) {
    return StampOf(row.id, row.name, row.birth, row.comments);
}

TEST(PersonStamp, AnyOneChangeOfACellGivesAnotherStamp) {
    const std::string longName = "Annabelle Josephine Walker-Lindqvist";  // several blocks
    std::string longNameChanged = longName;
    longNameChanged[17] = 'F';
    const Row read{std::int64_t{7}, std::string_view(longName), "1980-03-15 08:30:00"sv, "Note"sv};
    const Row changes[] = {
        {std::int64_t{8}, read.name, read.birth, read.comments},
        {read.id, std::string_view(longNameChanged), read.birth, read.comments},
        {read.id, "Annabelle Josephine Walker-Lindqvisu"sv, read.birth, read.comments},  // the tail
        {read.id, "annabelle Josephine Walker-Lindqvist"sv, read.birth, read.comments},
        {read.id, std::string_view(longName.data(), longName.size() - 1), read.birth,
         read.comments},
        {read.id, std::string_view("Annabelle Josephine Walker-Lindqvist\0", longName.size() + 1),
         read.birth, read.comments},  // one more byte, a zero
        {read.id, read.name, "1980-03-15 08:30:01"sv, read.comments},
        {read.id, read.name, 29295.354166666668, read.comments},  // a number, not a text
        {read.id, read.name, std::monostate{}, read.comments},
        {read.id, read.name, read.birth, "Note."sv},
        {read.id, read.name, read.birth, ""sv},
        {read.id, read.name, read.birth, std::monostate{}},  // Null, not the empty text
        {"7"sv, read.name, read.birth, read.comments},        // the key as a text
        {read.id, read.comments, read.birth, read.name},      // cells swapped
        // a real number of the key's very bits
        {std::bit_cast<double>(std::int64_t{7}), read.name, read.birth, read.comments},
    };
    const store::PersonStamp stamp = StampOfRow(read);
    EXPECT_EQ(StampOfRow(read), stamp);
    const std::string sameName = longName;  // equal cells elsewhere in memory
    EXPECT_EQ(StampOfRow({read.id, std::string_view(sameName), read.birth, read.comments}), stamp);
    for (std::size_t i = 0; i < std::size(changes); ++i)
        EXPECT_NE(StampOfRow(changes[i]), stamp) << "change " << i;
}

}  // namespace
