#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "platform/qt/ListRowStore.h"
#include "store/Value.h"

namespace personlist {

// The cells a person's stored birth gives a list row: the "Year" text, the "Age" text
// against today and the age group's image. People born on the same day share the
// same texts, so each day's texts are worked out and stored only once per load.
class BirthColumns {
public:
    using TextId = platform::ListRowStore::TextId;

    struct Cells {
        TextId yearText = 0;
        TextId ageText = 0;
        int image = 1;
        double birth = platform::ListRow::kNoBirth;  // the stored value, time of day kept
    };

    // Texts go into `rows`, which must outlive this object. `today` is "MM/DD/YYYY".
    BirthColumns(platform::ListRowStore& rows, std::string today);

    Cells For(const store::Value& stored);

private:
    Cells Compute(const std::string& birthText);

    platform::ListRowStore& rows_;
    std::string today_;
    std::unordered_map<std::int32_t, Cells> byDay_;
    std::optional<Cells> none_;
};

}  // namespace personlist
