#include "ListSorter.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <unordered_map>

#include "platform/LargeBlock.h"
#include "platform/TextFold.h"

namespace platform {

namespace {

constexpr std::size_t kWords = 3;
constexpr int kPackedUnits = static_cast<int>(kWords) * 8;
constexpr char16_t kFirstUnpacked = 0xFE;

// A row's sort text as the sort sees it: the start of the folded text packed into
// numbers that order like the text, its stored text, and the row's current position,
// which settles ties so that an in-place sort keeps equal texts in their order.
//
// Each folded code unit below 0xFE becomes one byte (unit + 1), the end of the text a
// 0 byte. A unit from 0xFE up becomes 0xFF and ends the packing, because one byte
// cannot order it against the units after it; texts that meet there, or that agree on
// all packed units, are told apart by comparing the texts themselves.
struct Entry {
    std::array<std::uint64_t, kWords> packed{};
    TextPool::Id text = TextPool::kEmpty;
    std::uint32_t position : 31;
    std::uint32_t whole : 1;  // the packing holds the whole text
};
static_assert(sizeof(Entry) == 32);

char16_t Folded(char16_t unit) {
    if (unit < 0x80) return unit >= 'A' && unit <= 'Z' ? static_cast<char16_t>(unit + 32) : unit;
    return QChar(unit).toCaseFolded().unicode();
}

// Most texts are plain ASCII: fold and pack them without a branch per unit.
bool PackAscii(const char16_t* units, int count, Entry& entry) {
    char16_t seen = 0;
    for (int i = 0; i < count; ++i) seen |= units[i];
    if (seen >= 0x80) return false;
    for (int word = 0; word < static_cast<int>(kWords); ++word) {
        std::uint64_t packed = 0;
        for (int i = word * 8; i < word * 8 + 8; ++i) {
            const unsigned unit = i < count ? units[i] : 0u;
            const unsigned folded = unit + (unit - 'A' < 26u ? 32u : 0u);
            packed = packed << 8 | (i < count ? folded + 1u : 0u);
        }
        entry.packed[static_cast<std::size_t>(word)] = packed;
    }
    return true;
}

// The same for a text kept one byte per character, straight from its bytes, eight at a
// time: each byte from 'A' to 'Z' gains 32 and each byte of the text 1, none carrying
// into the next, as all are below 0x80. The pool lets a text's first words be read
// whole (TextPool::kReadableBytes): whole loads, with what lies past the text masked
// off, cost less than copying a text of any length.
bool PackAsciiBytes(std::string_view text, Entry& entry) {
    static_assert(kWords * 8 <= TextPool::kReadableBytes);
    static_assert(std::endian::native == std::endian::little, "the masks keep the low bytes");
    if (text.size() > kPackedUnits) return false;
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    std::array<std::uint64_t, kWords> words{};
    const int count = static_cast<int>(text.size());
    if (count > 0) {  // the empty text has no bytes to read
        for (std::size_t w = 0; w < kWords; ++w) {
            std::memcpy(&words[w], text.data() + 8 * w, 8);
            const int inWord = std::clamp(count - static_cast<int>(w) * 8, 0, 8);
            if (inWord < 8) words[w] &= (std::uint64_t(1) << (8 * inWord)) - 1;
        }
    }
    std::uint64_t seen = 0;
    for (const std::uint64_t word : words) seen |= word;
    if (seen & (kOnes * 0x80)) return false;
    for (std::size_t w = 0; w < kWords; ++w) {
        std::uint64_t word = words[w];
        const std::uint64_t fromA = word + kOnes * (0x80 - 'A');
        const std::uint64_t pastZ = word + kOnes * (0x80 - 'Z' - 1);
        word += (fromA & ~pastZ & (kOnes * 0x80)) >> 2;
        const int inWord = std::clamp(count - static_cast<int>(w) * 8, 0, 8);
        word += inWord == 8 ? kOnes : kOnes & ((std::uint64_t(1) << (8 * inWord)) - 1);
        entry.packed[w] = __builtin_bswap64(word);
    }
    entry.whole = true;
    return true;
}

// Packs the first units of `data`, each folded by `fold`.
template <class Fold>
void PackUnits(const char16_t* data, int units, Entry& entry, Fold fold) {
    for (int i = 0; i < units; ++i) {
        const char16_t unit = fold(data[i]);
        const std::uint64_t byte = unit < kFirstUnpacked ? unit + 1u : 0xFFu;
        entry.packed[static_cast<std::size_t>(i / 8)] |= byte << (8 * (7 - i % 8));
        if (byte == 0xFF) {
            entry.whole = false;
            break;
        }
    }
}

Entry Pack(std::u16string_view text, TextPool::Id id, int position) {
    Entry entry;
    entry.text = id;
    entry.position = static_cast<std::uint32_t>(position);
    entry.whole = text.size() <= kPackedUnits;
    const int units = static_cast<int>(std::min<std::size_t>(text.size(), kPackedUnits));
    if (!PackAscii(text.data(), units, entry)) PackUnits(text.data(), units, entry, Folded);
    return entry;
}

// A name is packed from its folded text; where the packing cannot hold that whole, the
// folded text is kept for the comparisons that need it. Most names are plain ASCII,
// whose folding is the packing's own.
Entry PackName(std::u16string_view text, TextPool::Id id, int position,
               std::unordered_map<TextPool::Id, std::u16string>& foldedTexts,
               std::u16string& folded) {
    Entry entry;
    entry.text = id;
    entry.position = static_cast<std::uint32_t>(position);
    if (text.size() <= kPackedUnits &&
        PackAscii(text.data(), static_cast<int>(text.size()), entry)) {
        entry.whole = true;
        return entry;
    }
    folded.clear();
    AppendFolded(text, folded);
    entry.whole = folded.size() <= kPackedUnits;
    const int units = static_cast<int>(std::min<std::size_t>(folded.size(), kPackedUnits));
    PackUnits(folded.data(), units, entry, [](char16_t unit) { return unit; });
    if (!entry.whole) foldedTexts.emplace(id, folded);
    return entry;
}

// Keys are compared as the numbers they hold: a shorter key first.
int CompareKeys(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// The final say between two rows: the packed texts, then (where the packing did not hold
// both texts whole) the texts themselves, then for names the keys, then the current
// position, so that equal texts keep their order in either direction. In descending
// order the packed words arrive inverted (see Sorted), so only the texts' own comparison
// is turned round here; keys count upwards either way.
class Before {
public:
    using FoldedTexts = std::unordered_map<TextPool::Id, std::u16string>;

    Before(const ListRowStore& rows, const TextPool& texts, const std::vector<int>& order,
           bool ascending, const FoldedTexts* names)
        : rows_(rows), texts_(texts), order_(order), ascending_(ascending), names_(names) {}

    // The packed words settle nearly every comparison; what they leave goes to a call of
    // its own, so that this part stays small enough to be inlined into the sort.
    bool operator()(const Entry& a, const Entry& b) const {
        // Word by word rather than std::array's operators, which go through memcmp.
        for (std::size_t w = 0; w < kWords; ++w)
            if (a.packed[w] != b.packed[w]) return a.packed[w] < b.packed[w];
        return beyondPacking(a, b);
    }

private:
    [[gnu::noinline]] bool beyondPacking(const Entry& a, const Entry& b) const {
        if (a.text != b.text && !(a.whole && b.whole)) {
            const int c = compareTexts(a, b);
            if (c != 0) return ascending_ ? c < 0 : c > 0;
        }
        if (names_) {
            std::u16string spareA, spareB;
            const int c = CompareKeys(rows_.keyUnits(rowOf(a), spareA),
                                      rows_.keyUnits(rowOf(b), spareB));
            if (c != 0) return c < 0;
        }
        return a.position < b.position;
    }

    int rowOf(const Entry& entry) const { return order_[entry.position]; }

    int compareTexts(const Entry& a, const Entry& b) const {
        if (!names_)
            return QAnyStringView::compare(texts_.view(a.text), texts_.view(b.text),
                                           Qt::CaseInsensitive);
        std::u16string spareA, spareB;
        return folded(a, spareA).compare(folded(b, spareB));
    }

    // Names whose packing is not whole were folded while packing; the others (whole,
    // met here beside one that is not) are folded into `spare`.
    std::u16string_view folded(const Entry& entry, std::u16string& spare) const {
        const auto found = names_->find(entry.text);
        if (found != names_->end()) return found->second;
        std::u16string units;
        spare = FoldText(texts_.units(entry.text, units));
        return spare;
    }

    const ListRowStore& rows_;
    const TextPool& texts_;  // where the entries' texts are
    const std::vector<int>& order_;
    bool ascending_;
    const FoldedTexts* names_;  // set when sorting names
};

constexpr std::size_t kPackedBytes = kWords * 8;
constexpr std::ptrdiff_t kFewEntries = 48;  // below this a comparison sort is quicker
// From here on a range is sorted through a second buffer: the cache holds it no more.
constexpr std::ptrdiff_t kScatterEntries = 256;
// The second buffer is only worth its memory for a sort the cache cannot hold: below this
// (8 MB of entries), fresh pages for it cost more than sorting in place saves.
constexpr std::size_t kScratchEntries = std::size_t(1) << 18;

unsigned ByteOf(const Entry& entry, std::size_t byte) {
    return static_cast<unsigned>(entry.packed[byte / 8] >> (8 * (7 - byte % 8))) & 0xFFu;
}

// How many packed bytes from `byte` to the end of its word all entries of [first, last)
// share: one pass over them instead of one per byte (names share long beginnings).
std::size_t SharedBytes(const Entry* first, const Entry* last, std::size_t byte) {
    const std::size_t word = byte / 8, skip = byte % 8;
    std::uint64_t differ = 0;
    for (const Entry* e = first + 1; e != last; ++e)
        differ |= e->packed[word] ^ first->packed[word];
    differ &= ~std::uint64_t(0) >> (8 * skip);
    return (differ ? static_cast<std::size_t>(std::countl_zero(differ)) / 8 : 8) - skip;
}

using ByteCounts = std::array<std::ptrdiff_t, 256>;

// Puts each entry of the range that starts at `first` straight into its bucket (by its
// byte `byte`; `sizes` counts the entries of each bucket), swapping out the one that was
// there. Each swap waits for the one before, so this suits ranges that the cache holds.
void Permute(Entry* first, std::size_t byte, const ByteCounts& sizes) {
    ByteCounts next{}, end{};
    std::ptrdiff_t at = 0;
    for (unsigned b = 0; b < 256; ++b) {
        next[b] = at;
        at += sizes[b];
        end[b] = at;
    }
    // Each entry's byte is read from where the entry lies, never from the copy in hand:
    // a copy is moved whole, and picking one word out of it would make it wait for the
    // copy to reach memory first.
    const std::size_t word = byte / 8;
    const unsigned shift = static_cast<unsigned>(8 * (7 - byte % 8));
    const auto homeOf = [&](const Entry& entry) {
        return static_cast<unsigned>(entry.packed[word] >> shift) & 0xFFu;
    };
    for (unsigned b = 0; b < 256; ++b) {
        while (next[b] < end[b]) {
            unsigned home = homeOf(first[next[b]]);
            if (home == b) {
                ++next[b];  // already in its bucket
                continue;
            }
            // The entry in hand goes home and takes up the one it finds there, until one
            // belongs where the first was taken from.
            Entry hand = first[next[b]];
            while (home != b) {
                Entry& slot = first[next[home]++];
                const unsigned slotHome = homeOf(slot);
                const Entry displaced = slot;
                slot = hand;
                hand = displaced;
                home = slotHome;
            }
            first[next[b]++] = hand;
        }
    }
}

// The same for a large range by way of `scratch`, which has room for it: the entries
// are copied into their buckets there and back, in two passes that do not wait on each
// other.
void Scatter(Entry* first, Entry* last, std::size_t byte, const ByteCounts& sizes, Entry* scratch) {
    ByteCounts next{};
    std::ptrdiff_t at = 0;
    for (unsigned b = 0; b < 256; ++b) {
        next[b] = at;
        at += sizes[b];
    }
    for (const Entry* e = first; e != last; ++e) scratch[next[ByteOf(*e, byte)]++] = *e;
    std::copy(scratch, scratch + (last - first), first);
}

// Orders [first, last), whose entries agree on the packed bytes before `byte`, by the
// packed bytes from there on (most significant first, one pass to count and one to move
// per byte) and then by Before. A million entries then cost a few passes over memory
// instead of twenty million comparisons. A text's end (0) and the mark of a unit the
// packing cannot hold (0xFF; 0 and 0xFF swap places when inverted) are followed by
// nothing but equal bytes, so entries that meet there are left to Before at once.
void RadixSort(Entry* first, Entry* last, std::size_t byte, const Before& before, Entry* scratch) {
    for (;;) {
        const std::ptrdiff_t count = last - first;
        if (count < 2) return;
        if (count < kFewEntries || byte == kPackedBytes) {
            std::sort(first, last, before);
            return;
        }
        ByteCounts sizes{};
        for (const Entry* e = first; e != last; ++e) ++sizes[ByteOf(*e, byte)];
        if (sizes[ByteOf(*first, byte)] == count) {
            // All alike here, and maybe in more bytes of the word: on past them, unless
            // one ends the packing.
            const std::size_t shared = 1 + (byte % 8 == 7 ? 0 : SharedBytes(first, last, byte + 1));
            for (std::size_t b = byte; b < byte + shared; ++b) {
                const unsigned only = ByteOf(*first, b);
                if (only == 0 || only == 0xFF) {
                    std::sort(first, last, before);
                    return;
                }
            }
            byte += shared;
            continue;
        }
        if (scratch && count >= kScatterEntries)
            Scatter(first, last, byte, sizes, scratch);
        else
            Permute(first, byte, sizes);
        std::ptrdiff_t begin = 0;
        for (unsigned b = 0; b < 256; ++b) {
            Entry* bucket = first + begin;
            begin += sizes[b];
            if (sizes[b] < 2) continue;
            if (b == 0 || b == 0xFF)
                std::sort(bucket, first + begin, before);
            else
                RadixSort(bucket, first + begin, byte + 1, before, scratch);
        }
        return;
    }
}

// Short plain ASCII, the most common text by far, packs alike as a name or not, and
// straight from the pool's bytes. The entry is filled where it stays: one built aside
// and copied there would be read back in wider pieces than it was written in, which
// makes the copy wait.
void PackText(const TextPool& texts, TextPool::Id id, int position, bool name,
              std::unordered_map<TextPool::Id, std::u16string>& foldedTexts, std::u16string& folded,
              std::u16string& buffer, Entry& entry) {
    std::string_view bytes;
    if (texts.narrow(id, bytes)) {
        entry.text = id;
        entry.position = static_cast<std::uint32_t>(position);
        if (PackAsciiBytes(bytes, entry)) return;
    }
    const std::u16string_view text = texts.units(id, buffer);
    entry = name ? PackName(text, id, position, foldedTexts, folded) : Pack(text, id, position);
}

// A derived text is worked out once per day of birth; rows born on the same day share
// it, as they share a stored text. A row's own text is taken as it is.
TextPool::Id DerivedId(const ListRowStore& rows, int row, int column, TextPool& texts,
                       std::unordered_map<std::int64_t, TextPool::Id>& byDay) {
    const double birth = rows.birth(row);
    if (rows.cellId(row, column) != TextPool::kEmpty || !(std::abs(birth) < 1e15))
        return texts.add(rows.cellText(row, column));
    const auto day = static_cast<std::int64_t>(std::floor(birth));
    const auto found = byDay.find(day);
    if (found != byDay.end()) return found->second;
    const TextPool::Id id = texts.add(rows.cellText(row, column));
    byDay.emplace(day, id);
    return id;
}

}  // namespace

std::vector<int> ListSorter::Sorted(const ListRowStore& rows, const std::vector<int>& order,
                                    int column, Qt::SortOrder sortOrder, SortAs sortAs) {
    const std::size_t count = order.size();
    const bool ascending = sortOrder == Qt::AscendingOrder;
    // Each row's current position. Rows are packed in the order they are stored, which
    // reads the rows and their texts front to back; after a load that is the shown order
    // too, and the positions need no table. A few rows out of many (the upcoming
    // birthdays, a find) are packed in their shown order instead.
    bool inStoredOrder = true;
    for (std::size_t pos = 0; pos < count && inStoredOrder; ++pos)
        inStoredOrder = order[pos] == static_cast<int>(pos);
    const bool few = count < static_cast<std::size_t>(rows.count()) / 2;
    std::vector<int> positionOf;
    if (!inStoredOrder && !few) {
        positionOf.assign(static_cast<std::size_t>(rows.count()), -1);
        for (std::size_t pos = 0; pos < count; ++pos)
            positionOf[static_cast<std::size_t>(order[pos])] = static_cast<int>(pos);
    }
    std::vector<Entry, LargeAllocator<Entry>> entries;
    entries.reserve(count);
    Before::FoldedTexts foldedTexts;
    std::u16string folded, units;  // one name's, reused
    const bool names = sortAs == SortAs::Names;
    // A derived column's texts are worked out once for the sort and kept beside it.
    const bool derived = rows.derives(column);
    TextPool derivedTexts;
    std::unordered_map<std::int64_t, TextPool::Id> byDay;
    const TextPool& texts = derived ? derivedTexts : rows.texts();
    const auto pack = [&](int row, int position) {
        const TextPool::Id id = derived ? DerivedId(rows, row, column, derivedTexts, byDay)
                                        : rows.cellId(row, column);
        Entry& entry = entries.emplace_back();
        PackText(texts, id, position, names, foldedTexts, folded, units, entry);
        // Descending is ascending over inverted bytes; the positions still count upwards.
        if (!ascending)
            for (auto& word : entry.packed) word = ~word;
    };
    if (few && !inStoredOrder) {
        for (std::size_t pos = 0; pos < count; ++pos) pack(order[pos], static_cast<int>(pos));
    } else {
        for (int row = 0; row < rows.count(); ++row) {
            const int position = inStoredOrder ? row : positionOf[static_cast<std::size_t>(row)];
            if (position < 0 || static_cast<std::size_t>(position) >= count) continue;  // not shown
            pack(row, position);
        }
    }
    std::vector<Entry, LargeAllocator<Entry>> scratch;
    if (entries.size() >= kScratchEntries) scratch.resize(entries.size());
    RadixSort(entries.data(), entries.data() + entries.size(), 0,
              Before(rows, texts, order, ascending, names ? &foldedTexts : nullptr),
              scratch.empty() ? nullptr : scratch.data());
    std::vector<int> sorted;
    sorted.reserve(entries.size());
    for (const Entry& entry : entries) sorted.push_back(order[entry.position]);
    return sorted;
}

std::vector<int> ListSorter::SortedFirst(const ListRowStore& rows, int first, int column,
                                         Qt::SortOrder sortOrder, SortAs sortAs, int& settled) {
    const int count = rows.count();
    if (first < 0 || first >= count || rows.derives(column)) {
        std::vector<int> order(static_cast<std::size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        settled = count;
        return Sorted(rows, order, column, sortOrder, sortAs);
    }
    // Each row's first packed word orders it before every row with a greater word, in
    // either direction (descending packs inverted words). The rows whose word is at most
    // the (first + 1)-th smallest are therefore the ones that may come first: only they
    // are sorted, the others keep their stored order behind them. The smallest words
    // met so far are kept in a heap whose top only ever falls, so every row that ends up
    // among the first was, when it was met, at most that top: those rows are the only
    // ones kept aside, a few thousand of 100,000 in a shuffled list.
    const bool ascending = sortOrder == Qt::AscendingOrder;
    const bool names = sortAs == SortAs::Names;
    Before::FoldedTexts foldedTexts;
    std::u16string folded, units;
    std::vector<std::uint64_t> smallest;  // a heap, the greatest on top
    smallest.reserve(static_cast<std::size_t>(first) + 1);
    std::vector<std::pair<std::uint64_t, int>> candidates;
    for (int row = 0; row < count; ++row) {
        Entry entry;
        PackText(rows.texts(), rows.cellId(row, column), row, names, foldedTexts, folded, units,
                 entry);
        const std::uint64_t word = ascending ? entry.packed[0] : ~entry.packed[0];
        if (smallest.size() <= static_cast<std::size_t>(first)) {
            smallest.push_back(word);
            std::push_heap(smallest.begin(), smallest.end());
        } else if (word < smallest.front()) {
            std::pop_heap(smallest.begin(), smallest.end());
            smallest.back() = word;
            std::push_heap(smallest.begin(), smallest.end());
        } else if (word > smallest.front()) {
            continue;
        }
        candidates.emplace_back(word, row);
    }
    std::vector<int> leading;
    for (const auto& [word, row] : candidates)
        if (word <= smallest.front()) leading.push_back(row);
    // Stored order is the order the rows had, so sorting the leading rows alone gives
    // them the places and tie order the whole sort gives them.
    std::vector<int> order = Sorted(rows, leading, column, sortOrder, sortAs);
    settled = static_cast<int>(order.size());
    order.reserve(static_cast<std::size_t>(count));
    std::vector<bool> placed(static_cast<std::size_t>(count));
    for (const int row : leading) placed[static_cast<std::size_t>(row)] = true;
    for (int row = 0; row < count; ++row)
        if (!placed[static_cast<std::size_t>(row)]) order.push_back(row);
    return order;
}

}  // namespace platform
