#include <gtest/gtest.h>

#include <optional>

#include "ui/main/PersonKey.h"

namespace {

TEST(PersonKey, IsTheItemKeyWithoutItsKsReadAsA32BitNumber) {
    const struct {
        const char* itemKey;
        std::optional<std::int32_t> key;
    } cases[] = {
        {"K17", 17},
        {"K1200", 1200},
        {"KK5", 5},
        {"K1K2", 12},
        {"K2147483647", 2147483647},
        {"K-5", -5},
        {"K0", std::nullopt},
        {"K-0", std::nullopt},
        {"", std::nullopt},
        {"K", std::nullopt},
        {"Kx", std::nullopt},
        {"k17", std::nullopt},
        {"K 17", std::nullopt},
        {"K+17", std::nullopt},
        {"K17 ", std::nullopt},
        {"K1.5", std::nullopt},
        {"K2147483648", std::nullopt},
        {"K-2147483649", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(personlist::PersonKeyOf(QString::fromLatin1(c.itemKey)), c.key) << c.itemKey;
}

}  // namespace
