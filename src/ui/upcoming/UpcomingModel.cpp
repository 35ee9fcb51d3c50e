#include "ui/upcoming/UpcomingModel.h"

#include <algorithm>
#include <numeric>

namespace upcoming {

namespace {
constexpr const char* kCaptions[] = {"Name", "Date", "Weekday", "Age", "When"};
constexpr int kCommentsColumn = 3;
}  // namespace

UpcomingModel::UpcomingModel(const platform::ImageList& images, QObject* parent)
    : QAbstractTableModel(parent), images_(images) {}

// The people's texts are copied in the order of their rows, which reads the list's
// store front to back rather than all over it.
void UpcomingModel::fill(const platform::ListRowStore& rows, std::int32_t today, int days) {
    beginResetModel();
    const std::vector<UpcomingBirthday> found = UpcomingBirthdays(rows, today, days);
    std::vector<std::size_t> inRowOrder(found.size());
    std::iota(inRowOrder.begin(), inRowOrder.end(), std::size_t{0});
    std::sort(inRowOrder.begin(), inRowOrder.end(),
              [&](std::size_t a, std::size_t b) { return found[a].row < found[b].row; });
    people_.clear();
    people_.resize(found.size());
    for (const std::size_t at : inRowOrder) {
        const int row = found[at].row;
        people_[at] = {found[at], rows.key(row).toString(), rows.cell(row, 0).toString(),
                       rows.cell(row, kCommentsColumn).toString(), rows.birth(row),
                       rows.smallIcon(row), rows.stamp(row)};
    }
    endResetModel();
}

int UpcomingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(people_.size());
}

int UpcomingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString UpcomingModel::text(const Person& person, int column) const {
    switch (column) {
        case Name:
            return person.name;
        case Date:
            return DayText(person.birthday.date);
        case Weekday:
            return WeekdayName(person.birthday.date);
        case Turns:
            // Without a birth year there is no age to turn.
            return person.birthday.turns > 0 ? tr("turns %1").arg(person.birthday.turns)
                                             : tr("birthday");
        case When:
            return WhenText(person.birthday.daysUntil);
        default:
            return {};
    }
}

QVariant UpcomingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Person& person = people_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return text(person, index.column());
    if (role == Qt::DecorationRole && index.column() == Name && person.image >= 1 &&
        person.image <= images_.count())
        return images_.icon(person.image);
    return {};
}

QVariant UpcomingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return QString::fromLatin1(kCaptions[section]);
}

}  // namespace upcoming
