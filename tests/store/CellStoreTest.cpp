// The packed storage behind a recordset: values read back as they went in, across
// block boundaries, and texts stay where they are while more arrive.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "store/CellStore.h"

namespace {

using store::CellStore;
using store::ValueView;

std::string TextFor(std::size_t i) {
    return "text " + std::to_string(i * 7919 % 100003) + std::string(i % 23, 'x');
}

TEST(CellStore, EveryKindReadsBackAsItWentIn) {
    CellStore cells;
    const std::string withNul("a\0b", 3);
    cells.AppendNull();
    cells.AppendWhole(std::numeric_limits<std::int64_t>::min());
    cells.AppendWhole(std::numeric_limits<std::int64_t>::max());
    cells.AppendReal(-0.25);
    cells.AppendText("");
    cells.AppendText(withNul);
    cells.Append(ValueView(std::int64_t{42}));
    cells.Append(ValueView(std::string_view("view")));
    cells.Append(ValueView());
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells.View(0), ValueView());
    EXPECT_EQ(cells.View(1), ValueView(std::numeric_limits<std::int64_t>::min()));
    EXPECT_EQ(cells.View(2), ValueView(std::numeric_limits<std::int64_t>::max()));
    EXPECT_EQ(cells.View(3), ValueView(-0.25));
    EXPECT_EQ(cells.View(4), ValueView(std::string_view()));
    EXPECT_EQ(cells.View(5), ValueView(std::string_view(withNul)));
    EXPECT_EQ(cells.View(6), ValueView(std::int64_t{42}));
    EXPECT_EQ(cells.View(7), ValueView(std::string_view("view")));
    EXPECT_EQ(cells.View(8), ValueView());
}

// Far more cells than the first block and several full blocks hold; views taken at the
// start must still read right after everything else was added.
TEST(CellStore, ManyValuesAcrossBlocksStayInPlace) {
    constexpr std::size_t kCount = 300000;
    CellStore cells;
    std::string first = TextFor(0);
    cells.AppendText(first);
    const ValueView early = cells.View(0);
    for (std::size_t i = 1; i < kCount; ++i) {
        if (i % 3 == 0)
            cells.AppendWhole(static_cast<std::int64_t>(i) * -3);
        else
            cells.AppendText(TextFor(i));
    }
    first.assign("changed");  // the store holds its own copy
    ASSERT_EQ(cells.size(), kCount);
    EXPECT_EQ(std::get<std::string_view>(early), TextFor(0));
    for (std::size_t i = 1; i < kCount; ++i) {
        if (i % 3 == 0)
            ASSERT_EQ(cells.View(i), ValueView(static_cast<std::int64_t>(i) * -3)) << i;
        else
            ASSERT_EQ(std::get<std::string_view>(cells.View(i)), TextFor(i)) << i;
    }
}

// Texts around every size where the store changes how it keeps them, small ones in
// between, so a long text never overruns the block it lands in.
TEST(CellStore, TextsOfEverySizeKeepTheirBytes) {
    const std::size_t sizes[] = {1,     255,    256,    257,     1023,        1024,
                                 1025,  4097,   40000,  262144,  262145,      1 << 20,
                                 (1 << 20) + 1, 3 << 20, 7,      100000};
    CellStore cells;
    std::vector<std::string> texts;
    for (std::size_t size : sizes) {
        texts.push_back(std::string(size, static_cast<char>('a' + texts.size() % 26)));
        texts.back().back() = '!';
        texts.push_back("small " + std::to_string(size));
    }
    for (const auto& text : texts) cells.AppendText(text);
    ASSERT_EQ(cells.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(std::get<std::string_view>(cells.View(i)), texts[i]) << "text " << i;
}

TEST(CellStore, CellsCopiedOutSurviveTruncateAndOverwrite) {
    CellStore cells;
    cells.AppendText("Ann");
    cells.AppendWhole(5);
    const CellStore::Cell saved = cells.CellAt(0);

    cells.Set(0, ValueView(std::string_view("Bob")));
    EXPECT_EQ(cells.View(0), ValueView(std::string_view("Bob")));
    cells.Truncate(1);
    EXPECT_EQ(cells.size(), 1u);
    cells.AppendReal(1.5);
    EXPECT_EQ(cells.View(1), ValueView(1.5));

    cells.CellAt(0) = saved;
    EXPECT_EQ(cells.View(0), ValueView(std::string_view("Ann")));
    cells.Truncate(10);  // never grows
    EXPECT_EQ(cells.size(), 2u);
}

TEST(CellStore, ClearEmptiesAndTheStoreCanBeFilledAgain) {
    CellStore cells;
    for (int i = 0; i < 100000; ++i) cells.AppendText(TextFor(static_cast<std::size_t>(i)));
    cells.Clear();
    EXPECT_TRUE(cells.empty());
    cells.AppendNulls(3);
    cells.AppendText("again");
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells.View(2), ValueView());
    EXPECT_EQ(cells.View(3), ValueView(std::string_view("again")));
}

}  // namespace
