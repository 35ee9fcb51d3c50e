// The list's sort against the plainest correct one: a stable sort of the texts compared
// without regard to case. Many rows, starting from a mixed-up order, with texts that
// share long beginnings, differ only in case, repeat, or hold characters the packed
// comparison cannot settle on its own.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "platform/qt/list/ListRowStore.h"
#include "platform/TextFold.h"
#include "platform/qt/list/ListSorter.h"

using platform::ListRow;
using platform::ListRowStore;
using platform::ListSorter;

namespace {

QString RandomText(std::mt19937& random) {
    static const QString kPieces[] = {
        QStringLiteral("ann"),
        QStringLiteral("Ann"),
        QStringLiteral("ANN WALKER "),
        QStringLiteral("a very long shared beginning of many names "),
        QStringLiteral("Zo\u00eb"),
        QStringLiteral("Zoe\u0308"),          // the same, decomposed
        QStringLiteral("\u00d8degaard"),       // folds to "odegaard", beyond the packing limit
        QStringLiteral("stra\u00dfe"),         // folds longer: "strasse"
        QStringLiteral("\u00c5ngstr\u00f6m"),
        QStringLiteral("\u00ff"),               // folds to itself at the packing limit
        QStringLiteral("\u0178"),               // folds to U+00FF
        QStringLiteral("\u212a"),               // the Kelvin sign folds to "k"
        QStringLiteral("\u03a3\u03c3"),         // Greek sigma, upper and lower
        QStringLiteral("\u6771\u4eac"),         // beyond Latin
        QString::fromUtf8("\xF0\x9F\x98\x80"),  // outside the basic plane
        QStringLiteral("."),
        QStringLiteral(" "),
        QStringLiteral("0"),
        QStringLiteral("9"),
        QStringLiteral("_"),
        QStringLiteral("~"),
        QStringLiteral("@[`{"),  // beside the letters in ASCII, which fold
        QStringLiteral("AZaz"),
    };
    QString text;
    const int pieces = static_cast<int>(random() % 4);
    for (int i = 0; i < pieces; ++i) {
        text += kPieces[random() % std::size(kPieces)];
        if (random() % 2) text += QString::number(random() % 50);
    }
    return text;
}

std::vector<int> Reference(const ListRowStore& rows, std::vector<int> order, int column,
                           Qt::SortOrder sortOrder) {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = rows.cellText(a, column).compare(rows.cellText(b, column),
                                                       Qt::CaseInsensitive);
        return sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    return order;
}

TEST(ListSorter, OrdersLikeAStableCaseInsensitiveSortFromAnyStartingOrder) {
    std::mt19937 random(20240601);
    ListRowStore rows;
    for (int i = 0; i < 6000; ++i) {
        const int row = rows.append(QString(), RandomText(random), 1, 1);
        rows.setSubItem(row, 1, RandomText(random));
    }
    std::vector<int> stored(static_cast<std::size_t>(rows.count()));
    std::iota(stored.begin(), stored.end(), 0);
    std::vector<int> shuffled = stored;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    // A few of the rows, as a find or the upcoming birthdays sort them.
    const std::vector<int> few(shuffled.begin(), shuffled.begin() + 700);
    const struct {
        const std::vector<int>& order;
        const char* name;
    } orders[] = {{stored, "stored"}, {shuffled, "shuffled"}, {few, "a few"}};
    for (const auto& order : orders)
        for (int column : {0, 1})
            for (Qt::SortOrder sortOrder : {Qt::AscendingOrder, Qt::DescendingOrder})
                ASSERT_EQ(ListSorter::Sorted(rows, order.order, column, sortOrder),
                          Reference(rows, order.order, column, sortOrder))
                    << "column " << column << ", " << order.name
                    << (sortOrder == Qt::AscendingOrder ? ", ascending" : ", descending");
}

std::u16string Folded(QStringView text) {
    return platform::FoldText(
        {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())});
}

// A derived column sorts by the texts its rows show: derived from the day of birth,
// a row's own text, or none without a birth.
TEST(ListSorter, OrdersADerivedColumnByTheTextsItShows) {
    std::mt19937 random(20241207);
    ListRowStore rows;
    rows.deriveColumn(2, [](double birth) {
        const int day = static_cast<int>(std::floor(birth));
        return (day % 3 ? QStringLiteral("a long shared beginning of the texts of day ")
                        : QStringLiteral("Day ")) +
               QString::number(day % 40);
    });
    for (int i = 0; i < 3000; ++i) {
        const double birth = random() % 9 == 0 ? ListRow::kNoBirth
                                               : 20000 + random() % 300 + (random() % 4) / 4.0;
        const int row = rows.append(QString(), QString(), 1, 1, birth);
        if (random() % 7 == 0) rows.setSubItem(row, 2, RandomText(random));
    }
    const int own = rows.append(QString(), QString(), 1, 1, 20003.5);
    rows.setSubItem(own, 2, u"own");
    EXPECT_EQ(rows.cellText(own, 2), QStringLiteral("own"));
    EXPECT_EQ(rows.cellText(rows.append(QString(), QString(), 1, 1), 2), QString());
    EXPECT_EQ(rows.cellText(rows.append(QString(), QString(), 1, 1, 20001.75), 2),
              QStringLiteral("Day 1"));
    std::vector<int> order(static_cast<std::size_t>(rows.count()));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (Qt::SortOrder sortOrder : {Qt::AscendingOrder, Qt::DescendingOrder})
        EXPECT_EQ(ListSorter::Sorted(rows, order, 2, sortOrder), Reference(rows, order, 2, sortOrder));
}

// Names: by their folded texts (turned round when descending), then by key as a number,
// then by their current order.
std::vector<int> NamesReference(const ListRowStore& rows, std::vector<int> order,
                                Qt::SortOrder sortOrder) {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = Folded(rows.cell(a, 0).toString()).compare(Folded(rows.cell(b, 0).toString()));
        if (c != 0) return sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
        return rows.key(a).toString().toInt() < rows.key(b).toString().toInt();
    });
    return order;
}

TEST(ListSorter, OrdersNamesByTheirFoldedTextsThenByKey) {
    std::mt19937 random(20261207);
    ListRowStore rows;
    for (int i = 0; i < 6000; ++i)
        rows.append(QString::number(random() % 3000), RandomText(random), 1, 1);
    std::vector<int> shuffled(static_cast<std::size_t>(rows.count()));
    std::iota(shuffled.begin(), shuffled.end(), 0);
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    for (Qt::SortOrder sortOrder : {Qt::AscendingOrder, Qt::DescendingOrder})
        ASSERT_EQ(ListSorter::Sorted(rows, shuffled, 0, sortOrder, platform::SortAs::Names),
                  NamesReference(rows, shuffled, sortOrder))
            << (sortOrder == Qt::AscendingOrder ? "ascending" : "descending");
}

// The start of the sort a load shows first: at least the rows asked for are where the
// whole sort puts them, the others follow in stored order. Texts share first words in
// large groups, so the rows that may come first are often more than asked for.
TEST(ListSorter, SortsTheFirstRowsAsTheWholeSortDoes) {
    std::mt19937 random(20261208);
    ListRowStore rows;
    for (int i = 0; i < 3000; ++i)
        rows.setSubItem(rows.append(QString::number(i), RandomText(random), 1, 1), 1,
                        QStringLiteral("Shared first word %1").arg(random() % 40));
    std::vector<int> stored(static_cast<std::size_t>(rows.count()));
    std::iota(stored.begin(), stored.end(), 0);
    for (const int column : {0, 1})
        for (const auto as : {platform::SortAs::Text, platform::SortAs::Names})
            for (const Qt::SortOrder sortOrder : {Qt::AscendingOrder, Qt::DescendingOrder})
                for (const int first : {0, 1, 100, 1024, 2999, 3000, 5000}) {
                    SCOPED_TRACE(testing::Message() << column << int(as) << sortOrder << first);
                    const std::vector<int> whole =
                        ListSorter::Sorted(rows, stored, column, sortOrder, as);
                    int settled = -1;
                    std::vector<int> start =
                        ListSorter::SortedFirst(rows, first, column, sortOrder, as, settled);
                    ASSERT_GE(settled, std::min(first + 1, rows.count()));
                    ASSERT_LE(settled, rows.count());
                    ASSERT_EQ(start.size(), whole.size());
                    EXPECT_TRUE(std::equal(start.begin(), start.begin() + settled, whole.begin()));
                    EXPECT_TRUE(std::is_sorted(start.begin() + settled, start.end()));
                    std::sort(start.begin(), start.end());
                    EXPECT_EQ(start, stored);  // every row once
                }
}

// Sorting what an earlier sort gave keeps equal texts in that earlier order.
TEST(ListSorter, EqualTextsKeepTheOrderOfTheSortBefore) {
    ListRowStore rows;
    const char* names[] = {"b", "a", "B", "c", "A", "b"};
    const char* groups[] = {"x", "y", "x", "y", "x", "y"};
    for (int i = 0; i < 6; ++i) {
        const int row = rows.appendUtf8("", names[i], 1, 1);
        rows.setSubItem(row, 3, QString::fromLatin1(groups[i]));
    }
    const std::vector<int> byName =
        ListSorter::Sorted(rows, {0, 1, 2, 3, 4, 5}, 0, Qt::AscendingOrder);
    EXPECT_EQ(byName, (std::vector<int>{1, 4, 0, 2, 5, 3}));
    EXPECT_EQ(ListSorter::Sorted(rows, byName, 3, Qt::AscendingOrder),
              (std::vector<int>{4, 0, 2, 1, 5, 3}));
    EXPECT_EQ(ListSorter::Sorted(rows, byName, 3, Qt::DescendingOrder),
              (std::vector<int>{1, 5, 3, 4, 0, 2}));
}

}  // namespace
