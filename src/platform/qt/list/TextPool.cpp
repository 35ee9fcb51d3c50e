#include "TextPool.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "platform/LargeBlock.h"

namespace platform {

namespace {
// Each text is stored as a header followed by its code units. A one-byte text of up to
// kShortUnits characters (most names, comments and keys) has a one-byte header, its
// length times two; any other text a two-byte header whose first byte is odd: the
// length times four, plus two for UTF-16, plus one. A UTF-16 text starts at an even
// offset, so that its units sit on an even address; one-byte texts fill the gaps.
constexpr std::size_t kLongHeader = 2;
constexpr qsizetype kShortUnits = 0x7F;

std::size_t HeaderSize(qsizetype length, bool wide) {
    return !wide && length <= kShortUnits ? 1 : kLongHeader;
}

// No byte has its high bit set: eight bytes at a time, as a list load asks this of
// every name, comment and key it reads.
bool IsAscii(std::string_view text) {
    std::uint64_t seen = 0;
    std::size_t at = 0;
    for (; at + sizeof seen <= text.size(); at += sizeof seen) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        seen |= word;
    }
    for (; at < text.size(); ++at) seen |= static_cast<unsigned char>(text[at]);
    return (seen & 0x8080808080808080u) == 0;
}

bool IsLatin1(QStringView text) {
    char16_t seen = 0;
    for (const QChar c : text) seen |= c.unicode();
    return seen < 0x100;
}
}  // namespace

TextPool::TextPool(TextPool&& other) noexcept
    : chunks_(std::move(other.chunks_)),
      used_(std::exchange(other.used_, kChunkBytes)),
      large_(std::move(other.large_)) {
    other.chunks_.clear();
    other.large_.clear();
}

TextPool& TextPool::operator=(TextPool&& other) noexcept {
    if (this == &other) return *this;
    chunks_ = std::move(other.chunks_);
    used_ = std::exchange(other.used_, kChunkBytes);
    large_ = std::move(other.large_);
    other.chunks_.clear();
    other.large_.clear();
    return *this;
}

// A text goes into the chunks unless the chunk ids are used up.
bool TextPool::fitsInChunk(std::size_t bytes) const {
    return used_ + 1 + kLongHeader + bytes <= kChunkBytes || chunks_.size() < kMaxChunks;
}

// Room for a text of `length` code units; `length` is at most kMostUnits.
char* TextPool::reserve(qsizetype length, bool wide, Id& id) {
    const std::size_t header = HeaderSize(length, wide);
    const std::size_t bytes = static_cast<std::size_t>(length) * (wide ? 2 : 1);
    if (wide) used_ += used_ & 1;
    if (used_ + header + bytes > kChunkBytes) {
        // Room past the end, so that the last text's first words can be read whole.
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(kChunkBytes + kReadableBytes));
        std::memset(chunks_.back().get() + kChunkBytes, 0, kReadableBytes);
        // Offset 0 of the first chunk is never handed out, so that no text gets id 0.
        used_ = chunks_.size() == 1 ? kLongHeader : 0;
    }
    auto* slot = reinterpret_cast<unsigned char*>(chunks_.back().get() + used_);
    if (header == 1) {
        slot[0] = static_cast<unsigned char>(length << 1);
    } else {
        const auto value = static_cast<unsigned>(length << 2 | (wide ? 2 : 0) | 1);
        slot[0] = static_cast<unsigned char>(value & 0xFF);
        slot[1] = static_cast<unsigned char>(value >> 8);
    }
    id = static_cast<Id>(((chunks_.size() - 1) << kChunkBits) | used_);
    used_ += header + bytes;
    return reinterpret_cast<char*>(slot + header);
}

TextPool::Id TextPool::addLarge(QString text) {
    large_.push_back(std::move(text));
    return kLargeFlag | static_cast<Id>(large_.size() - 1);
}

TextPool::Id TextPool::addLatin1(QStringView text) {
    Id id = kEmpty;
    char* out = reserve(text.size(), false, id);
    for (const QChar c : text) *out++ = static_cast<char>(c.unicode());
    return id;
}

TextPool::Id TextPool::add(QStringView text) {
    if (text.isEmpty()) return kEmpty;
    const bool latin1 = IsLatin1(text);
    const auto bytes = static_cast<std::size_t>(text.size()) * (latin1 ? 1 : 2);
    if (text.size() > kMostUnits || !fitsInChunk(bytes)) return addLarge(text.toString());
    if (latin1) return addLatin1(text);
    Id id = kEmpty;
    char* out = reserve(text.size(), true, id);
    std::memcpy(out, text.utf16(), bytes);
    return id;
}

// Plain ASCII is copied straight into the pool; any other text is decoded first.
TextPool::Id TextPool::addUtf8(std::string_view text) {
    if (text.empty()) return kEmpty;
    const bool ascii = IsAscii(text);
    // A short ASCII text that fits in the current chunk, as nearly every name, comment
    // and key a list load reads does, goes in without the general path's steps. Before
    // the first chunk `used_` is a whole chunk, so this needs no check for one.
    if (ascii && text.size() <= static_cast<std::size_t>(kShortUnits) &&
        used_ + 1 + text.size() <= kChunkBytes) {
        char* slot = chunks_.back().get() + used_;
        slot[0] = static_cast<char>(text.size() << 1);
        std::memcpy(slot + 1, text.data(), text.size());
        const auto id = static_cast<Id>(((chunks_.size() - 1) << kChunkBits) | used_);
        used_ += 1 + text.size();
        return id;
    }
    const auto length = static_cast<qsizetype>(text.size());
    if (!ascii || length > kMostUnits || !fitsInChunk(text.size()))
        return add(QString::fromUtf8(text.data(), length));
    Id id = kEmpty;
    std::memcpy(reserve(length, false, id), text.data(), text.size());
    return id;
}

TextPool::Id TextPool::addCopy(const TextPool& other, Id id) {
    const Stored text = other.stored(id);
    const auto bytes = static_cast<std::size_t>(text.length) * (text.wide ? 2 : 1);
    if (text.length == 0) return kEmpty;
    if (text.length > kMostUnits || !fitsInChunk(bytes)) return add(other.view(id).toString());
    Id copy = kEmpty;
    std::memcpy(reserve(text.length, text.wide, copy), text.data, bytes);
    return copy;
}

TextPool::Stored TextPool::stored(Id id) const {
    if (id == kEmpty) return {};
    if (id & kLargeFlag) {
        const QString& text = large_[id & ~kLargeFlag];
        return {reinterpret_cast<const char*>(text.utf16()), text.size(), true};
    }
    const char* slot = chunks_[id >> kChunkBits].get() + (id & (kChunkBytes - 1));
    const auto* bytes = reinterpret_cast<const unsigned char*>(slot);
    if ((bytes[0] & 1) == 0) return {slot + 1, static_cast<qsizetype>(bytes[0] >> 1), false};
    const unsigned value = bytes[0] | unsigned(bytes[1]) << 8;
    return {slot + kLongHeader, static_cast<qsizetype>(value >> 2), (value & 2) != 0};
}

void TextPool::prefetch(Id id) const {
    if (id == kEmpty || (id & kLargeFlag)) return;
    Prefetch(chunks_[id >> kChunkBits].get() + (id & (kChunkBytes - 1)));
}

QAnyStringView TextPool::view(Id id) const {
    const Stored text = stored(id);
    if (text.wide) return QStringView(reinterpret_cast<const char16_t*>(text.data), text.length);
    return QLatin1StringView(text.data, text.length);
}

bool TextPool::narrow(Id id, std::string_view& bytes) const {
    const Stored text = stored(id);
    if (text.wide) return false;
    bytes = std::string_view(text.data, static_cast<std::size_t>(text.length));
    return true;
}

std::u16string_view TextPool::units(Id id, std::u16string& buffer) const {
    const Stored text = stored(id);
    if (text.wide)
        return {reinterpret_cast<const char16_t*>(text.data), static_cast<std::size_t>(text.length)};
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data);
    buffer.assign(bytes, bytes + text.length);
    return buffer;
}

void TextPool::clear() {
    chunks_.clear();
    large_.clear();
    used_ = kChunkBytes;
}

}  // namespace platform
