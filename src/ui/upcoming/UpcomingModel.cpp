#include "ui/upcoming/UpcomingModel.h"

namespace upcoming {

namespace {
constexpr const char* kCaptions[] = {"Name", "Date", "Weekday", "Age", "When"};
constexpr int kCommentsColumn = 3;
}  // namespace

UpcomingModel::UpcomingModel(const platform::ImageList& images, QObject* parent)
    : QAbstractTableModel(parent), images_(images) {}

void UpcomingModel::fill(const platform::ListRowStore& rows, std::int32_t today, int days) {
    beginResetModel();
    people_.clear();
    for (const UpcomingBirthday& found : UpcomingBirthdays(rows, today, days))
        people_.push_back({found, rows.key(found.row).toString(),
                           rows.cell(found.row, 0).toString(),
                           rows.cell(found.row, kCommentsColumn).toString(), rows.birth(found.row),
                           rows.smallIcon(found.row), rows.stamp(found.row)});
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
