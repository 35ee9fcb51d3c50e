#include <gtest/gtest.h>

#include "platform/qt/ListSearchIndex.h"
#include "platform/qt/ListView.h"

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
    } cases[] = {{"Zoë", "zoe"},       {"ÅSA Øberg", "asa øberg"}, {"Ångström", "angstrom"},
                 {"ﬁne", "fine"},     {"MIXED case 42", "mixed case 42"},
                 {"straße", "straße"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::FoldForSearch(QString::fromUtf8(c.text)), QString::fromUtf8(c.folded))
            << c.text;
}

// The index finds a needle in either column of a row but never across two columns or
// two rows, and an empty needle lets every row through.
TEST(ListFilter, MatchesWithinOneColumnOfOneRow) {
    ListRowStore rows;
    for (const auto& [name, comments] : {std::pair{"Ann", "Bob's sister"}, {"Bob", "."},
                                         {"Zoë", "annual"}, {"Cy", "x"}})
        rows.append(Row(QString::fromUtf8(name), QString::fromUtf8(comments)));
    platform::ListSearchIndex index;
    index.build(rows, {0, 3});
    const struct {
        const char* needle;
        std::vector<char> found;
    } cases[] = {{"ann", {1, 0, 1, 0}}, {"bob", {1, 1, 0, 0}}, {"n.", {0, 0, 0, 0}},
                 {"bcy", {0, 0, 0, 0}}, {"x", {0, 0, 0, 1}},  {"", {1, 1, 1, 1}}};
    for (const auto& c : cases)
        EXPECT_EQ(index.matches(platform::FoldForSearch(QString::fromUtf8(c.needle))), c.found)
            << c.needle;
}

// Sorting and reloading keep the filter; a selected row that stays shown stays selected.
TEST(ListFilter, SurvivesSortAndReloadAndKeepsTheSelection) {
    platform::ListView list;
    list.addColumn(QStringLiteral("Name"), 1500);
    list.setFilterColumns({0, 3});
    const auto publish = [&](std::initializer_list<const char*> names) {
        ListRowStore rows;
        for (const char* name : names) rows.append(Row(QString::fromUtf8(name), QString()));
        list.publish(std::move(rows));
    };
    const auto shown = [&] {
        QStringList names;
        for (int row = 0; row < list.rowCount(); ++row) names << list.cellText(row, 0);
        return names;
    };
    publish({"Cleo", "Al", "Bea", "Alba"});
    list.setSorted(true);
    list.selectRow(3);  // Cleo
    list.setFilter(QStringLiteral("l"));
    EXPECT_EQ(shown(), (QStringList{"Al", "Alba", "Cleo"}));
    EXPECT_EQ(list.cellText(list.selectedRow(), 0), QStringLiteral("Cleo"));
    list.setSortOrder(Qt::DescendingOrder);
    EXPECT_EQ(shown(), (QStringList{"Cleo", "Alba", "Al"}));
    EXPECT_EQ(list.cellText(list.selectedRow(), 0), QStringLiteral("Cleo"));
    publish({"Lou", "Bo", "Al"});
    EXPECT_EQ(shown(), (QStringList{"Lou", "Al"}));
    list.setFilter(QStringLiteral("o"));
    EXPECT_EQ(shown(), (QStringList{"Lou", "Bo"}));
    list.setFilter(QString());
    EXPECT_EQ(list.rowCount(), 3);
}
