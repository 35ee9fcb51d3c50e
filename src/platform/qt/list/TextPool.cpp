#include "TextPool.h"

#include <algorithm>
#include <utility>

namespace platform {

TextPool::TextPool(TextPool&& other) noexcept
    : chunks_(std::move(other.chunks_)),
      used_(std::exchange(other.used_, kChunkChars)),
      large_(std::move(other.large_)) {
    other.chunks_.clear();
    other.large_.clear();
}

TextPool& TextPool::operator=(TextPool&& other) noexcept {
    if (this == &other) return *this;
    chunks_ = std::move(other.chunks_);
    used_ = std::exchange(other.used_, kChunkChars);
    large_ = std::move(other.large_);
    other.chunks_.clear();
    other.large_.clear();
    return *this;
}

// A text goes into the chunks unless it is huge or the chunk ids are used up.
bool TextPool::fitsInChunk(qsizetype length) const {
    if (length >= kChunkChars - 1) return false;
    return used_ + 1 + length <= kChunkChars || chunks_.size() < kMaxChunks;
}

// Each text is stored as its length (one code unit) followed by its code units.
char16_t* TextPool::reserve(qsizetype length, Id& id) {
    if (used_ + 1 + length > kChunkChars) {
        chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(kChunkChars));
        // Position 0 of the first chunk is never handed out, so that no text gets id 0.
        used_ = chunks_.size() == 1 ? 1 : 0;
    }
    char16_t* slot = chunks_.back().get() + used_;
    *slot = static_cast<char16_t>(length);
    id = static_cast<Id>(((chunks_.size() - 1) << kChunkBits) | static_cast<std::size_t>(used_));
    used_ += 1 + length;
    return slot + 1;
}

TextPool::Id TextPool::addLarge(QString text) {
    large_.push_back(std::move(text));
    return kLargeFlag | static_cast<Id>(large_.size() - 1);
}

TextPool::Id TextPool::add(QStringView text) {
    if (text.isEmpty()) return kEmpty;
    if (!fitsInChunk(text.size())) return addLarge(text.toString());
    Id id = kEmpty;
    char16_t* out = reserve(text.size(), id);
    std::copy_n(text.utf16(), text.size(), out);
    return id;
}

// Plain ASCII is widened straight into the pool, noting on the way whether any byte was
// not ASCII after all: one pass over the text for the common case. A text that turns out
// to need decoding gives its place back and is stored decoded.
TextPool::Id TextPool::addUtf8(std::string_view text) {
    if (text.empty()) return kEmpty;
    const auto length = static_cast<qsizetype>(text.size());
    if (!fitsInChunk(length)) return add(QString::fromUtf8(text.data(), length));
    Id id = kEmpty;
    char16_t* out = reserve(length, id);
    unsigned char seen = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        seen |= byte;
        out[i] = byte;
    }
    if (seen < 0x80) return id;
    used_ = static_cast<qsizetype>(id & (kChunkChars - 1));  // where the text began
    return add(QString::fromUtf8(text.data(), length));
}

QStringView TextPool::view(Id id) const {
    if (id == kEmpty) return {};
    if (id & kLargeFlag) return large_[id & ~kLargeFlag];
    const char16_t* slot = chunks_[id >> kChunkBits].get() + (id & (kChunkChars - 1));
    return QStringView(slot + 1, static_cast<qsizetype>(*slot));
}

void TextPool::clear() {
    chunks_.clear();
    large_.clear();
    used_ = kChunkChars;
}

}  // namespace platform
