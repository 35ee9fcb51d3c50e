#include "ui/main/BirthColumns.h"

#include "age/AgeCalc.h"
#include "store/BirthText.h"
#include "ui/main/AgeGroup.h"
#include "ui/main/StoredValue.h"

namespace personlist {

namespace {
constexpr std::int16_t kYearsMonthsDays = 9;
}

BirthColumns::BirthColumns(platform::ListRowStore& rows, std::string today)
    : rows_(rows), today_(std::move(today)) {}

// The age is counted between the two date texts, so the birth's time of day plays no
// part in it.
BirthColumns::Cells BirthColumns::Compute(const std::string& birthText) {
    Cells cells;
    const std::string age = modAgeCalc::AgeText(birthText, today_, kYearsMonthsDays);
    cells.yearText = rows_.storeUtf8(birthText);
    cells.ageText = rows_.storeUtf8(age);
    cells.image = AgeGroupImage(AgeGroupValue(age));
    return cells;
}

// A Null birth reads as the empty text, as any Null column does.
BirthColumns::Cells BirthColumns::For(const store::Value& stored) {
    double birth = 0;
    if (modAgeCalc::BirthFromStored(stored, birth)) {
        const std::int32_t day = modAgeCalc::DaySerialOf(birth);
        auto found = byDay_.find(day);
        if (found == byDay_.end())
            found = byDay_.emplace(day, Compute(modAgeCalc::FormatDateText(birth))).first;
        Cells cells = found->second;
        cells.birth = birth;
        return cells;
    }
    const std::string text = ValueAsText(stored);
    if (!text.empty()) return Compute(text);  // shown as stored, as no date can be read
    if (!none_) none_ = Compute(text);
    return *none_;
}

}  // namespace personlist
