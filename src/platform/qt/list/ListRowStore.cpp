#include "ListRowStore.h"

#include <cmath>

namespace platform {

namespace {
// Image numbers are small; anything that does not fit shows no image.
qint16 iconNumber(int number) {
    return number >= 0 && number <= 0x7FFF ? static_cast<qint16>(number) : 0;
}
}  // namespace

void ListRowStore::clear() {
    rows_.clear();
    rows_.shrink_to_fit();
    texts_.clear();
}

int ListRowStore::appendRecord(TextId key, TextId text, int smallIcon, int largeIcon,
                               double birth, std::uint64_t stamp) {
    Record record;
    record.key = key;
    record.cells[0] = text;
    record.smallIcon = iconNumber(smallIcon);
    record.largeIcon = iconNumber(largeIcon);
    record.birth = birth;
    record.stamp = stamp;
    rows_.push_back(record);
    return count() - 1;
}

int ListRowStore::append(QStringView key, QStringView text, int smallIcon, int largeIcon,
                         double birth, std::uint64_t stamp) {
    return appendRecord(texts_.add(key), texts_.add(text), smallIcon, largeIcon, birth, stamp);
}

int ListRowStore::appendUtf8(std::string_view key, std::string_view text, int smallIcon,
                             int largeIcon, double birth, std::uint64_t stamp) {
    return appendRecord(texts_.addUtf8(key), texts_.addUtf8(text), smallIcon, largeIcon, birth,
                        stamp);
}

int ListRowStore::append(const ListRow& row) {
    const int index =
        append(row.key, row.text, row.smallIcon, row.largeIcon, row.birth, row.stamp);
    for (int sub = 1; sub <= ListRow::kSubItems; ++sub)
        setSubItem(index, sub, row.subItems[static_cast<std::size_t>(sub - 1)]);
    return index;
}

int ListRowStore::appendCopy(const ListRowStore& from, int row,
                             std::initializer_list<int> columns) {
    const Record& source = from.at(row);
    const int index = appendRecord(texts_.addCopy(from.texts_, source.key), TextPool::kEmpty,
                                   source.smallIcon, source.largeIcon, source.birth, source.stamp);
    for (const int column : columns)
        if (column >= 0 && column < kColumns)
            at(index).cells[column] = texts_.addCopy(from.texts_, source.cells[column]);
    return index;
}

void ListRowStore::prefetchRecord(int row) const {
    Prefetch(&at(row));
}

void ListRowStore::prefetchTexts(int row, std::initializer_list<int> columns) const {
    const Record& record = at(row);
    texts_.prefetch(record.key);
    for (const int column : columns)
        if (column >= 0 && column < kColumns) texts_.prefetch(record.cells[column]);
}

void ListRowStore::setSubItem(int row, int subItem, QStringView text) {
    setSubItem(row, subItem, texts_.add(text));
}

void ListRowStore::setSubItem(int row, int subItem, TextId text) {
    if (row < 0 || row >= count() || subItem < 1 || subItem > ListRow::kSubItems) return;
    at(row).cells[subItem] = text;
}

void ListRowStore::setIcons(int row, int smallIcon, int largeIcon) {
    if (row < 0 || row >= count()) return;
    at(row).smallIcon = iconNumber(smallIcon);
    at(row).largeIcon = iconNumber(largeIcon);
}

ListRowStore::TextId ListRowStore::cellId(int row, int column) const {
    return column >= 0 && column < kColumns ? at(row).cells[column] : TextPool::kEmpty;
}

QAnyStringView ListRowStore::cell(int row, int column) const {
    return texts_.view(cellId(row, column));
}

void ListRowStore::deriveColumn(int column, DerivedText text) {
    if (column >= 0 && column < kColumns) derived_[static_cast<std::size_t>(column)] = std::move(text);
}

bool ListRowStore::derives(int column) const {
    return column >= 0 && column < kColumns && derived_[static_cast<std::size_t>(column)];
}

QString ListRowStore::cellText(int row, int column) const {
    const TextId id = cellId(row, column);
    if (id != TextPool::kEmpty || !derives(column) || !std::isfinite(birth(row)))
        return texts_.view(id).toString();
    return derived_[static_cast<std::size_t>(column)](birth(row));
}

ListRow ListRowStore::row(int index) const {
    ListRow out;
    out.key = key(index).toString();
    out.text = cell(index, 0).toString();
    for (int sub = 1; sub <= ListRow::kSubItems; ++sub)
        out.subItems[static_cast<std::size_t>(sub - 1)] = cellText(index, sub);
    out.smallIcon = smallIcon(index);
    out.largeIcon = largeIcon(index);
    out.birth = birth(index);
    out.stamp = stamp(index);
    return out;
}

}  // namespace platform
