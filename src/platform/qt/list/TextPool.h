#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

// Append-only storage for many short texts. A list of a million people holds a few
// million small texts; one heap block and one QString header each would cost more
// than the texts themselves, so they are packed into large blocks of UTF-16 instead
// and named by a 32-bit id. Texts are never changed or freed one by one.
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
    // Stores UTF-8 text; plain ASCII is widened straight into the pool.
    Id addUtf8(std::string_view text);
    QStringView view(Id id) const;

    void clear();

private:
    static constexpr int kChunkBits = 15;
    static constexpr qsizetype kChunkChars = qsizetype(1) << kChunkBits;
    static constexpr Id kLargeFlag = 0x80000000u;
    static constexpr std::size_t kMaxChunks = std::size_t(1) << (31 - kChunkBits);

    bool fitsInChunk(qsizetype length) const;
    char16_t* reserve(qsizetype length, Id& id);
    Id addLarge(QString text);

    std::vector<std::unique_ptr<char16_t[]>> chunks_;
    qsizetype used_ = kChunkChars;  // chars used in the last chunk; full before the first
    std::vector<QString> large_;    // texts too long for a chunk
};

}  // namespace platform
