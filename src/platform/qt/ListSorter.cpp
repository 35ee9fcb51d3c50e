#include "ListSorter.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <cstdint>

namespace platform {

namespace {

constexpr int kWords = 3;
constexpr int kPackedUnits = kWords * 8;
constexpr char16_t kFirstUnpacked = 0xFE;

// A row's sort text as the sort sees it: the start of the folded text packed into
// numbers that order like the text, its stored text, and its row.
//
// Each folded code unit below 0xFE becomes one byte (unit + 1), the end of the text a
// 0 byte. A unit from 0xFE up becomes 0xFF and ends the packing, because one byte
// cannot order it against the units after it; texts that meet there, or that agree on
// all packed units, are told apart by comparing the texts themselves.
struct Entry {
    std::array<std::uint64_t, kWords> packed{};
    TextPool::Id text = TextPool::kEmpty;
    std::uint32_t row : 31;
    std::uint32_t whole : 1;  // the packing holds the whole text
};
static_assert(sizeof(Entry) == 32);

char16_t Folded(char16_t unit) {
    if (unit < 0x80) return unit >= 'A' && unit <= 'Z' ? static_cast<char16_t>(unit + 32) : unit;
    return QChar(unit).toCaseFolded().unicode();
}

Entry Pack(QStringView text, TextPool::Id id, int row) {
    Entry entry;
    entry.text = id;
    entry.row = static_cast<std::uint32_t>(row);
    entry.whole = text.size() <= kPackedUnits;
    const int units = static_cast<int>(std::min<qsizetype>(text.size(), kPackedUnits));
    for (int i = 0; i < units; ++i) {
        const char16_t unit = Folded(text[i].unicode());
        const std::uint64_t byte = unit < kFirstUnpacked ? unit + 1u : 0xFFu;
        entry.packed[static_cast<std::size_t>(i / 8)] |= byte << (8 * (7 - i % 8));
        if (byte == 0xFF) {
            entry.whole = false;
            break;
        }
    }
    return entry;
}

// Case-insensitive comparison folds each code unit the way Pack does.
class Less {
public:
    explicit Less(const ListRowStore& rows) : rows_(rows) {}

    bool operator()(const Entry& a, const Entry& b) const {
        if (a.packed != b.packed) return a.packed < b.packed;
        if (a.text == b.text || (a.whole && b.whole)) return false;  // the same text
        return rows_.text(a.text).compare(rows_.text(b.text), Qt::CaseInsensitive) < 0;
    }

private:
    const ListRowStore& rows_;
};

}  // namespace

std::vector<int> ListSorter::Sorted(const ListRowStore& rows, const std::vector<int>& order,
                                    int column, Qt::SortOrder sortOrder) {
    // Packed in the order the rows are stored, which reads the rows and their texts
    // front to back, then put in the shown order.
    std::vector<Entry> packed;
    packed.reserve(static_cast<std::size_t>(rows.count()));
    for (int row = 0; row < rows.count(); ++row) {
        const TextPool::Id id = rows.cellId(row, column);
        packed.push_back(Pack(rows.text(id), id, row));
    }
    std::vector<Entry> entries;
    entries.reserve(order.size());
    for (int row : order) entries.push_back(packed[static_cast<std::size_t>(row)]);
    packed = {};
    const Less less(rows);
    if (sortOrder == Qt::AscendingOrder)
        std::stable_sort(entries.begin(), entries.end(), less);
    else
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const Entry& a, const Entry& b) { return less(b, a); });
    std::vector<int> sorted;
    sorted.reserve(entries.size());
    for (const Entry& entry : entries) sorted.push_back(static_cast<int>(entry.row));
    return sorted;
}

}  // namespace platform
