#include "ui/main/PersonKey.h"

#include <charconv>
#include <string>

namespace personlist {

std::optional<std::int32_t> PersonKeyOf(const QString& itemKey) {
    QString digits = itemKey;
    digits.remove(QLatin1Char('K'), Qt::CaseSensitive);
    const std::string text = digits.toStdString();
    std::int32_t key = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, key, 10);
    if (error != std::errc() || stop != end || key == 0) return std::nullopt;
    return key;
}

}  // namespace personlist
