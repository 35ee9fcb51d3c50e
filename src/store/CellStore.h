#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

#include "store/Value.h"

namespace store {

// The values of a recordset, cell after cell, packed for reading a large table: each
// value takes one 16-byte cell, and its text, if any, is copied into big blocks of
// text beside the cells. A table of a million people is then a few hundred block
// allocations instead of millions of small strings and of variants two and a half times
// the size, and the memory is written once, never moved as it grows.
//
// Texts are only ever added. Dropping or overwriting cells leaves their texts in place
// until Clear, so a cell copied out (Cell) stays readable and can be put back later.
class CellStore {
public:
    enum class Kind : std::uint8_t { Null, Whole, Real, Text };

    // Plain data without initializers, so that a new block is not written twice.
    struct Cell {
        union {
            std::int64_t whole;
            double real;
            const char* text;
        };
        std::uint32_t size;  // of the text
        Kind kind;
    };
    static_assert(sizeof(Cell) == 16);
    static_assert(std::is_trivially_default_constructible_v<Cell>);
    static constexpr Cell kNullCell{{0}, 0, Kind::Null};

    CellStore() = default;
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    void AppendNull() { Push(kNullCell); }
    void AppendWhole(std::int64_t value) {
        Cell cell = kNullCell;
        cell.whole = value;
        cell.kind = Kind::Whole;
        Push(cell);
    }
    void AppendReal(double value) {
        Cell cell = kNullCell;
        cell.real = value;
        cell.kind = Kind::Real;
        Push(cell);
    }
    void AppendText(std::string_view text) { Push(TextCell(text)); }
    void Append(const ValueView& value) { Push(CellOf(value)); }
    void AppendCell(const Cell& cell) { Push(cell); }
    // Appends `count` Null cells.
    void AppendNulls(std::size_t count);

    const Cell& CellAt(std::size_t index) const { return blocks_[index >> kBlockBits][index & kMask]; }
    Cell& CellAt(std::size_t index) { return blocks_[index >> kBlockBits][index & kMask]; }
    ValueView View(std::size_t index) const { return ViewOf(CellAt(index)); }
    // Copies a text value into the store's own blocks.
    void Set(std::size_t index, const ValueView& value) { CellAt(index) = CellOf(value); }

    // Keeps the first `count` cells (never more than there are).
    void Truncate(std::size_t count);
    // Drops every cell and every text.
    void Clear();

    static ValueView ViewOf(const Cell& cell);

private:
    static constexpr std::size_t kBlockBits = 16;  // 64 Ki cells, 1 MiB a block
    static constexpr std::size_t kBlockCells = std::size_t(1) << kBlockBits;
    static constexpr std::size_t kMask = kBlockCells - 1;
    static constexpr std::size_t kFirstCells = 64;
    static constexpr std::size_t kFirstTextBytes = 1024;
    static constexpr std::size_t kTextBlockBytes = std::size_t(1) << 20;

    void Push(const Cell& cell) {
        if (size_ == capacity_) Grow();
        CellAt(size_++) = cell;
    }
    void Grow();
    Cell TextCell(std::string_view text);
    Cell CellOf(const ValueView& value);
    const char* KeepText(std::string_view text);

    // Every block but the last is full; only the first grows in place while it is the
    // only one, so a recordset of one row stays small.
    std::vector<std::unique_ptr<Cell[]>> blocks_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t firstBlockCells_ = 0;

    std::vector<std::unique_ptr<char[]>> texts_;
    char* free_ = nullptr;
    std::size_t left_ = 0;
    std::size_t nextTextBlock_ = kFirstTextBytes;
};

}  // namespace store
