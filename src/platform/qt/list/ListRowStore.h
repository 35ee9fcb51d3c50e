#pragma once

#include <QAnyStringView>
#include <QStringView>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ListRow.h"
#include "TextPool.h"
#include "platform/LargeBlock.h"

namespace platform {

// The rows of the list control in the order they were added, packed tightly: a
// fixed 40-byte record per row with its texts in a TextPool. A loader fills one of
// these away from the screen and hands it to the control in one piece
// (ListView::publish), so the views never see a half-built list.
class ListRowStore {
public:
    using TextId = TextPool::Id;
    static constexpr int kColumns = 1 + ListRow::kSubItems;

    int count() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    void reserve(int rows) { rows_.reserve(static_cast<std::size_t>(rows)); }
    void clear();

    // Appends a row with empty sub-items; returns its index.
    int append(QStringView key, QStringView text, int smallIcon, int largeIcon,
               double birth = ListRow::kNoBirth, std::uint64_t stamp = 0);
    int appendUtf8(std::string_view key, std::string_view text, int smallIcon, int largeIcon,
                   double birth = ListRow::kNoBirth, std::uint64_t stamp = 0);
    int append(const ListRow& row);
    // Appends a copy of row `row` of `from`: its key, icons, birth, stamp and the stored
    // texts of `columns` (the other cells stay empty), each kept as it is kept there.
    int appendCopy(const ListRowStore& from, int row, std::initializer_list<int> columns);
    // Asks for a row's record, or its key and the texts of `columns`, to be read into
    // the cache ahead of use; for reading rows spread over the store.
    void prefetchRecord(int row) const;
    void prefetchTexts(int row, std::initializer_list<int> columns) const;

    // A column whose text follows from the day of the row's birth: a row that has a
    // birth and no text of its own in that column shows `text(birth)`, worked out
    // whenever it is asked for, so that a text every row has but few are ever shown
    // costs no memory. The text may not depend on the birth's time of day.
    using DerivedText = std::function<QString(double birth)>;
    void deriveColumn(int column, DerivedText text);
    bool derives(int column) const;

    // Keeps a text once so that many rows can show it (dates and ages repeat a lot).
    TextId storeUtf8(std::string_view text) { return texts_.addUtf8(text); }

    // Sub-items are numbered 1 to 3, as the columns after the first.
    void setSubItem(int row, int subItem, QStringView text);
    void setSubItem(int row, int subItem, TextId text);
    void setIcons(int row, int smallIcon, int largeIcon);

    // Texts are Latin-1 or UTF-16 as stored; units() gives UTF-16 for either.
    QAnyStringView key(int row) const { return texts_.view(at(row).key); }
    // The stored text behind a cell; rows showing a shared text give the same id.
    TextId cellId(int row, int column) const;
    QAnyStringView text(TextId id) const { return texts_.view(id); }
    const TextPool& texts() const { return texts_; }
    std::u16string_view units(TextId id, std::u16string& buffer) const {
        return texts_.units(id, buffer);
    }
    std::u16string_view keyUnits(int row, std::u16string& buffer) const {
        return texts_.units(at(row).key, buffer);
    }
    // Column 0 is the row's text, columns 1 to 3 its sub-items: the stored text only.
    QAnyStringView cell(int row, int column) const;
    // The text the row shows in the column: the stored one, or the one derived from the
    // row's birth.
    QString cellText(int row, int column) const;
    int smallIcon(int row) const { return at(row).smallIcon; }
    int largeIcon(int row) const { return at(row).largeIcon; }
    double birth(int row) const { return at(row).birth; }
    std::uint64_t stamp(int row) const { return at(row).stamp; }
    ListRow row(int row) const;

private:
    struct Record {
        TextId key = TextPool::kEmpty;
        TextId cells[kColumns] = {};
        qint16 smallIcon = 0;
        qint16 largeIcon = 0;
        double birth = ListRow::kNoBirth;
        std::uint64_t stamp = 0;
    };
    static_assert(sizeof(Record) == 40);

    const Record& at(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    Record& at(int row) { return rows_[static_cast<std::size_t>(row)]; }
    int appendRecord(TextId key, TextId text, int smallIcon, int largeIcon, double birth,
                     std::uint64_t stamp);

    std::vector<Record, LargeAllocator<Record>> rows_;
    TextPool texts_;
    std::array<DerivedText, kColumns> derived_;
};

}  // namespace platform
