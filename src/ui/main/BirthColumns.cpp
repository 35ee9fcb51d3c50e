#include "ui/main/BirthColumns.h"

#include "age/AgeCalc.h"
#include "age/YearlessBirth.h"
#include "store/BirthText.h"
#include "ui/main/AgeGroup.h"
#include "ui/main/StoredValue.h"

namespace personlist {

namespace {
constexpr std::int16_t kYearsMonthsDays = 9;
}

BirthColumns::BirthColumns(platform::ListRowStore& rows, std::string today)
    : rows_(rows), today_(std::move(today)) {
    FindGroupSpans();
}

int BirthColumns::ImageOn(std::int32_t day) const {
    std::string today = today_;
    return AgeGroupImage(AgeGroupValue(
        modAgeCalc::AgeText(modAgeCalc::FormatDateText(day), today, kYearsMonthsDays)));
}

// A person born earlier is never younger, so the age groups of the births up to today
// lie in a few runs of days, one per group. Their borders are found by halving, with
// some hundred age texts, instead of one age text per day of birth met in the list
// (tens of thousands). Days after today are worked out one by one.
void BirthColumns::FindGroupSpans() {
    double today = 0;
    if (!modAgeCalc::ParseDateText(today_, today)) return;
    todaySerial_ = modAgeCalc::DaySerialOf(today);
    if (todaySerial_ < modAgeCalc::kMinSerial || todaySerial_ > modAgeCalc::kMaxSerial) return;
    const int oldest = ImageOn(modAgeCalc::kMinSerial);
    spans_.push_back({modAgeCalc::kMinSerial, oldest});
    SplitSpan(modAgeCalc::kMinSerial, oldest, todaySerial_, ImageOn(todaySerial_));
}

// Adds the borders between `first` and `last` in the order of the days.
void BirthColumns::SplitSpan(std::int32_t first, int firstImage, std::int32_t last, int lastImage) {
    if (firstImage == lastImage) return;
    if (last - first == 1) {
        spans_.push_back({last, lastImage});
        return;
    }
    const std::int32_t middle = first + (last - first) / 2;
    const int middleImage = ImageOn(middle);
    SplitSpan(first, firstImage, middle, middleImage);
    SplitSpan(middle, middleImage, last, lastImage);
}

int BirthColumns::ImageFor(std::int32_t day) {
    if (spans_.empty() || day > todaySerial_ || day < spans_.front().firstDay) {
        const auto [at, added] = laterDays_.try_emplace(day, 0);
        if (added) at->second = ImageOn(day);
        return at->second;
    }
    // Counted over all the spans (a handful) rather than searched: births come in no
    // order, and a search that stops early mispredicts most rows.
    std::size_t spansBegun = 0;
    for (const GroupSpan& span : spans_) spansBegun += span.firstDay <= day;
    return spans_[spansBegun - 1].image;
}

QString BirthColumns::YearText(double birth) {
    return QString::fromStdString(modAgeCalc::FormatDateText(birth));
}

// The age is counted between the two date texts, so the birth's time of day plays no
// part in it.
QString BirthColumns::AgeText(double birth, const std::string& today) {
    std::string to = today;
    return QString::fromStdString(
        modAgeCalc::AgeText(modAgeCalc::FormatDateText(birth), to, kYearsMonthsDays));
}

BirthColumns::Cells BirthColumns::Compute(const std::string& birthText) {
    Cells cells;
    const std::string age = modAgeCalc::AgeText(birthText, today_, kYearsMonthsDays);
    cells.yearText = rows_.storeUtf8(birthText);
    cells.ageText = rows_.storeUtf8(age);
    cells.image = AgeGroupImage(AgeGroupValue(age));
    return cells;
}

// A birthday whose year is unknown shows its month and day where the year would be,
// no age, and an image of its own.
BirthColumns::Cells BirthColumns::ForYearless(const modAgeCalc::YearlessBirth& birth) {
    // One text per day of the year, shared by the rows born on it.
    TextId& shown = monthDays_[static_cast<std::size_t>(birth.month * 32 + birth.day)];
    if (shown == 0) shown = rows_.storeUtf8(modAgeCalc::YearlessMonthDay(birth));
    Cells cells;
    cells.yearText = shown;
    cells.image = kAgeUnknown;
    return cells;
}

// A Null birth reads as the empty text, as any Null column does.
BirthColumns::Cells BirthColumns::For(const store::ValueView& stored) {
    double birth = 0;
    if (modAgeCalc::BirthFromStored(stored, birth)) {
        Cells cells;
        cells.image = ImageFor(modAgeCalc::DaySerialOf(birth));
        cells.birth = birth;
        return cells;
    }
    if (const auto* text = std::get_if<std::string_view>(&stored))
        if (const auto yearless = modAgeCalc::YearlessFromText(*text))
            return ForYearless(*yearless);
    std::string buffer;
    const std::string text(ValueText(stored, buffer));
    if (!text.empty()) return Compute(text);  // shown as stored, as no date can be read
    if (!none_) none_ = Compute(text);
    return *none_;
}

}  // namespace personlist
