#include <gtest/gtest.h>

#include <QString>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/list/TextPool.h"

using platform::TextPool;

TEST(TextPool, KeepsEveryKindOfText) {
    const QString longText(40000, QChar('x'));  // longer than one block of the pool
    const struct {
        const char* what;
        QString text;
    } cases[] = {
        {"empty", QString()},
        {"ascii", QStringLiteral("Adam Adult")},
        {"accented", QStringLiteral("Zo\u00eb Br\u00fcckner")},
        {"accented only in the second eight bytes", QStringLiteral("Annabelle \u00c5sa Berg")},
        {"accented only in the last bytes", QStringLiteral("Annabelle Lindqvist\u00e9")},
        {"outside the basic plane", QString::fromUtf8("\xF0\x9F\x98\x80 smile")},
        {"long", longText},
        {"Latin-1, the longest with a short header", QString(0x7F, QChar(0xE9))},
        {"Latin-1, one past it", QString(0x80, QChar(0xE9))},
        {"UTF-16, the longest a block takes", QString(0x3FFF, QChar(0x416))},
        {"UTF-16, one past it", QString(0x4000, QChar(0x416))},
    };
    TextPool pool;
    std::vector<TextPool::Id> ids, utf8Ids;
    for (const auto& c : cases) {
        ids.push_back(pool.add(c.text));
        utf8Ids.push_back(pool.addUtf8(c.text.toStdString()));
    }
    // Copied into another pool as they are kept there, one byte or two per character.
    TextPool copies;
    copies.add(u"x");  // so that no copy lands where its original lies
    std::vector<TextPool::Id> copyIds;
    for (const TextPool::Id id : ids) copyIds.push_back(copies.addCopy(pool, id));
    std::u16string buffer;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(pool.view(ids[i]).toString(), cases[i].text) << cases[i].what;
        EXPECT_EQ(pool.view(utf8Ids[i]).toString(), cases[i].text) << cases[i].what;
        EXPECT_EQ(pool.units(ids[i], buffer), cases[i].text.toStdU16String()) << cases[i].what;
        EXPECT_EQ(copies.view(copyIds[i]).toString(), cases[i].text) << cases[i].what;
    }
    EXPECT_EQ(ids[0], TextPool::kEmpty);
}

// Many texts fill many blocks; none may overwrite another or straddle a block's end.
TEST(TextPool, TextsStayIntactAcrossManyBlocks) {
    TextPool pool;
    std::vector<TextPool::Id> ids;
    for (int i = 0; i < 100000; ++i) ids.push_back(pool.addUtf8("Person " + std::to_string(i)));
    for (int i = 0; i < 100000; i += 997)
        ASSERT_EQ(pool.view(ids[i]).toString(), QStringLiteral("Person %1").arg(i));
    EXPECT_EQ(pool.view(ids.back()).toString(), QStringLiteral("Person 99999"));
    // Each text's first bytes can be read whole, the last of a block's too (the sanitizer
    // build would stop at a read past the block).
    std::size_t readWhole = 0;
    for (const TextPool::Id id : ids) {
        std::string_view bytes;
        char words[TextPool::kReadableBytes];
        if (pool.narrow(id, bytes)) std::memcpy(words, bytes.data(), sizeof words);
        readWhole += std::string_view(words, bytes.size()) == bytes;
    }
    EXPECT_EQ(readWhole, ids.size());
}

// A pool that handed its texts on must still take new ones.
TEST(TextPool, MovedFromPoolStartsAfresh) {
    TextPool first;
    const TextPool::Id kept = first.add(u"kept");
    TextPool second(std::move(first));
    const TextPool::Id fresh = first.add(u"fresh");
    EXPECT_EQ(second.view(kept).toString(), QStringLiteral("kept"));
    EXPECT_EQ(first.view(fresh).toString(), QStringLiteral("fresh"));
}

// UTF-8 texts that need decoding, mixed in among plain ones: whichever block a text
// lands at the end of, nothing is lost and no text overwrites another.
TEST(TextPool, DecodedTextsAmongPlainOnesAcrossBlocks) {
    TextPool pool;
    std::vector<std::pair<TextPool::Id, QString>> stored;
    for (int i = 0; i < 60000; ++i) {
        const QString text = i % 7 == 3
                                 ? QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m %1").arg(i)
                                 : QStringLiteral("Person %1").arg(i) + QString(i % 13, QChar('.'));
        stored.emplace_back(pool.addUtf8(text.toStdString()), text);
    }
    for (const auto& [id, text] : stored) ASSERT_EQ(pool.view(id).toString(), text);
}

// One-byte and two-byte texts of every odd and even length, side by side over many
// blocks: the two-byte ones must stay whole and aligned wherever they land.
TEST(TextPool, NarrowAndWideTextsSideBySideAcrossBlocks) {
    TextPool pool;
    std::vector<std::pair<TextPool::Id, QString>> stored;
    for (int i = 0; i < 40000; ++i) {
        const QString text = i % 3 == 1 ? QStringLiteral("\u0416\u0435\u043d\u044f %1").arg(i)
                                        : QStringLiteral("Jos\u00e9 %1").arg(i) + QString(i % 5, 'x');
        stored.emplace_back(pool.add(text), text);
    }
    std::u16string buffer;
    for (const auto& [id, text] : stored) {
        ASSERT_EQ(pool.view(id).toString(), text);
        ASSERT_EQ(pool.units(id, buffer), text.toStdU16String());
    }
}
