#include "store/CellStore.h"

#include <algorithm>
#include <cstring>

namespace store {

void CellStore::Grow() {
    if (blocks_.empty()) {
        blocks_.push_back(std::make_unique_for_overwrite<Cell[]>(kFirstCells));
        firstBlockCells_ = capacity_ = kFirstCells;
    } else if (blocks_.size() == 1 && firstBlockCells_ < kBlockCells) {
        const std::size_t cells = std::min(firstBlockCells_ * 2, kBlockCells);
        auto bigger = std::make_unique_for_overwrite<Cell[]>(cells);
        std::copy_n(blocks_.front().get(), size_, bigger.get());
        blocks_.front() = std::move(bigger);
        firstBlockCells_ = capacity_ = cells;
    } else {
        blocks_.push_back(std::make_unique_for_overwrite<Cell[]>(kBlockCells));
        capacity_ += kBlockCells;
    }
}

void CellStore::AppendNulls(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Push(kNullCell);
}

void CellStore::Truncate(std::size_t count) {
    size_ = std::min(size_, count);
}

void CellStore::Clear() {
    blocks_.clear();
    size_ = capacity_ = firstBlockCells_ = 0;
    texts_.clear();
    free_ = nullptr;
    left_ = 0;
    nextTextBlock_ = kFirstTextBytes;
}

// Texts go one after the other into the current block. A text that does not fit and
// would take up much of a new block gets a block to itself, and the current one stays
// in use.
const char* CellStore::KeepText(std::string_view text) {
    if (text.empty()) return nullptr;
    if (text.size() > left_) {
        if (text.size() > nextTextBlock_ / 4) {
            texts_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
            std::memcpy(texts_.back().get(), text.data(), text.size());
            return texts_.back().get();
        }
        texts_.push_back(std::make_unique_for_overwrite<char[]>(nextTextBlock_));
        free_ = texts_.back().get();
        left_ = nextTextBlock_;
        nextTextBlock_ = std::min(nextTextBlock_ * 2, kTextBlockBytes);
    }
    char* out = free_;
    std::memcpy(out, text.data(), text.size());
    free_ += text.size();
    left_ -= text.size();
    return out;
}

CellStore::Cell CellStore::TextCell(std::string_view text) {
    Cell cell = kNullCell;
    cell.text = KeepText(text);
    cell.size = static_cast<std::uint32_t>(text.size());
    cell.kind = Kind::Text;
    return cell;
}

CellStore::Cell CellStore::CellOf(const ValueView& value) {
    Cell cell = kNullCell;
    if (const auto* text = std::get_if<std::string_view>(&value)) return TextCell(*text);
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        cell.whole = *whole;
        cell.kind = Kind::Whole;
    } else if (const auto* real = std::get_if<double>(&value)) {
        cell.real = *real;
        cell.kind = Kind::Real;
    }
    return cell;
}

ValueView CellStore::ViewOf(const Cell& cell) {
    switch (cell.kind) {
        case Kind::Whole:
            return cell.whole;
        case Kind::Real:
            return cell.real;
        case Kind::Text:
            return std::string_view(cell.text, cell.size);
        default:
            return std::monostate{};
    }
}

}  // namespace store
