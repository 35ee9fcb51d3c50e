#include <gtest/gtest.h>

#include "platform/qt/list/ListSearchIndex.h"

using platform::ListRow;
using platform::ListRowStore;

namespace {

ListRow Row(const QString& name, const QString& comments) {
    ListRow row;
    row.key = QStringLiteral("K") + name;
    row.text = name;
    row.subItems = {QString(), QString(), comments};
    return row;
}

}  // namespace

TEST(ListFilter, FoldsCaseAndAccentsAway) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {{"Zoë", "zoe"},  {"ÅSA Øberg", "asa oberg"},         {"Ångström", "angstrom"},
                 {"ﬁne", "fine"}, {"MIXED case 42", "mixed case 42"}, {"straße", "strasse"},
                 {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::FoldForSearch(QString::fromUtf8(c.text)), QString::fromUtf8(c.folded))
            << c.text;
}

// The index finds a needle in either column of a row but never across two columns or
// two rows, and an empty needle lets every row through.
TEST(ListFilter, MatchesWithinOneColumnOfOneRow) {
    ListRowStore rows;
    for (const auto& [name, comments] :
         {std::pair{"Ann", "Bob's sister"}, {"Bob", "."}, {"Zoë", "annual"}, {"Cy", "x"}})
        rows.append(Row(QString::fromUtf8(name), QString::fromUtf8(comments)));
    platform::ListSearchIndex index;
    index.build(rows, {0, 3});
    const struct {
        const char* needle;
        std::vector<char> found;
    } cases[] = {{"ann", {1, 0, 1, 0}}, {"bob", {1, 1, 0, 0}}, {"n.", {0, 0, 0, 0}},
                 {"bcy", {0, 0, 0, 0}}, {"x", {0, 0, 0, 1}},   {"", {1, 1, 1, 1}}};
    for (const auto& c : cases)
        EXPECT_EQ(index.matches(platform::FoldForSearch(QString::fromUtf8(c.needle))), c.found)
            << c.needle;
}

// Letters with strokes and ligatures are found as a reader types them, and a name whose
// accents are stored decomposed (NFD) is found like the composed one.
TEST(ListFilter, FindsStrokesLigaturesAndDecomposedAccents) {
    ListRowStore rows;
    for (const char* name :
         {"Björn Ødegaard", "Søren Kierkegaard", "Łódź Office", "Đorđe Petrović", "Ærø Ferry",
          "Hauptstraße 5", "Zoe\u0308 Martin", "\u00c9mile", "Þóra", "Ian"})
        rows.append(Row(QString::fromUtf8(name), QString()));
    platform::ListSearchIndex index;
    index.build(rows, {0, 3});
    const struct {
        const char* needle;
        std::vector<char> found;
    } cases[] = {{"odegaard", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                 {"soren", {0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
                 {"lodz", {0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
                 {"dorde", {0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
                 {"aero", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
                 {"strasse", {0, 0, 0, 0, 0, 1, 0, 0, 0, 0}},
                 {"zoë", {0, 0, 0, 0, 0, 0, 1, 0, 0, 0}},
                 {"E\u0301mile", {0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
                 {"thora", {0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
                 {"\u0131an", {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}};
    for (const auto& c : cases)
        EXPECT_EQ(index.matches(platform::FoldForSearch(QString::fromUtf8(c.needle))), c.found)
            << c.needle;
}
