#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Append-only storage for many short texts. A list of a million people holds a few
// million small texts; one heap block and one QString header each would cost more
// than the texts themselves, so they are packed into large blocks instead and named by
// a 32-bit id. A text whose characters all fit in one byte (Latin-1, which covers
// plain ASCII and most Western names) is kept one byte per character, any other in
// UTF-16. Texts are never changed or freed one by one.
class TextPool {
public:
    using Id = std::uint32_t;
    static constexpr Id kEmpty = 0;  // the empty text; costs nothing

    TextPool() = default;
    TextPool(TextPool&& other) noexcept;
    TextPool& operator=(TextPool&& other) noexcept;
    TextPool(const TextPool&) = delete;
    TextPool& operator=(const TextPool&) = delete;

    Id add(QStringView text);
    // Stores UTF-8 text; plain ASCII is copied straight into the pool.
    Id addUtf8(std::string_view text);
    // Stores a copy of a text of `other`, kept as it is kept there.
    Id addCopy(const TextPool& other, Id id);
    // Latin-1 or UTF-16, as stored; valid until the pool is cleared or goes away.
    QAnyStringView view(Id id) const;
    // The text's bytes when it is kept one byte per character (Latin-1). The first
    // kReadableBytes from where they start may be read even past their end, for reading
    // a word at a time; what lies past the end is no part of the text.
    bool narrow(Id id, std::string_view& bytes) const;
    static constexpr std::size_t kReadableBytes = 32;
    // The text's UTF-16 code units: in the pool, or widened into `buffer`.
    std::u16string_view units(Id id, std::u16string& buffer) const;

    // Asks for the text's first bytes to be read into the cache ahead of use.
    void prefetch(Id id) const;

    void clear();

private:
    static constexpr int kChunkBits = 16;
    static constexpr std::size_t kChunkBytes = std::size_t(1) << kChunkBits;
    static constexpr qsizetype kMostUnits = 0x3FFF;  // a longer text is kept on its own
    static constexpr Id kLargeFlag = 0x80000000u;
    static constexpr std::size_t kMaxChunks = std::size_t(1) << (31 - kChunkBits);

    // Where a text's code units are: one byte each, or two when `wide`.
    struct Stored {
        const char* data = nullptr;
        qsizetype length = 0;
        bool wide = false;
    };

    Stored stored(Id id) const;
    bool fitsInChunk(std::size_t bytes) const;
    char* reserve(qsizetype length, bool wide, Id& id);
    Id addLarge(QString text);
    Id addLatin1(QStringView text);

    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t used_ = kChunkBytes;  // bytes used in the last chunk; full before the first
    std::vector<QString> large_;      // texts too long for a chunk
};

}  // namespace platform
