#include "ui/main/BirthColumns.h"

#include <algorithm>

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
    : rows_(rows), today_(std::move(today)) {}

// Makes the window reach `day`, doubling it towards that side so that it widens only
// a few times per load, or failing that just far enough. False when even that would
// make it wider than kMaxWindow days.
bool BirthColumns::Widen(std::int32_t day) {
    std::int64_t first = std::int64_t(day) - kFirstSpare, last = std::int64_t(day) + kFirstSpare;
    if (!window_.empty()) {
        first = windowStart_;
        last = first + static_cast<std::int64_t>(window_.size());
        const std::int64_t spare = last - first;
        if (day < first) first = std::int64_t(day) - spare;
        else last = std::int64_t(day) + 1 + spare;
        if (last - first > kMaxWindow) {
            if (day < windowStart_) first = day;
            else last = std::int64_t(day) + 1;
        }
    }
    // No valid birth lies beyond these days.
    first = std::max<std::int64_t>(first, modAgeCalc::kMinSerial);
    last = std::min<std::int64_t>(last, std::int64_t(modAgeCalc::kMaxSerial) + 1);
    if (last - first > kMaxWindow || day < first || day >= last) return false;
    std::vector<DayCells> wider(static_cast<std::size_t>(last - first));
    if (!window_.empty())
        std::copy(window_.begin(), window_.end(), wider.begin() + (windowStart_ - first));
    window_ = std::move(wider);
    windowStart_ = static_cast<std::int32_t>(first);
    return true;
}

BirthColumns::DayCells* BirthColumns::Slot(std::int32_t day) {
    const std::int64_t at = std::int64_t(day) - windowStart_;
    if (at >= 0 && at < static_cast<std::int64_t>(window_.size()))
        return &window_[static_cast<std::size_t>(at)];
    if (Widen(day)) return &window_[static_cast<std::size_t>(std::int64_t(day) - windowStart_)];
    return &farDays_[day];
}

// The cells of a day, worked out the first time the day comes up.
const BirthColumns::DayCells& BirthColumns::ForDay(std::int32_t day, double birth) {
    DayCells* cells = Slot(day);
    if (cells->image == 0) {
        std::string today = today_;
        cells->image = AgeGroupImage(AgeGroupValue(
            modAgeCalc::AgeText(modAgeCalc::FormatDateText(birth), today, kYearsMonthsDays)));
    }
    return *cells;
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
        cells.image = ForDay(modAgeCalc::DaySerialOf(birth), birth).image;
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
