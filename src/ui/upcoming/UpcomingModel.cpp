#include "ui/upcoming/UpcomingModel.h"

namespace upcoming {

namespace {
constexpr const char* kCaptions[] = {"Name", "Date", "Weekday", "Age", "When"};
}  // namespace

UpcomingModel::UpcomingModel(const platform::ImageList& images, QObject* parent)
    : QAbstractTableModel(parent), images_(images) {}

void UpcomingModel::fill(const platform::ListRowStore& rows, std::int32_t today, int days) {
    beginResetModel();
    found_ = CopyUpcomingPeople(rows, today, days);
    endResetModel();
}

UpcomingModel::Person UpcomingModel::person(int row) const {
    const int copy = copyOf(row);
    const platform::ListRowStore& people = found_.people;
    return {people.key(copy).toString(), people.cell(copy, 0).toString(),
            people.cell(copy, kCommentsColumn).toString(), people.birth(copy), people.stamp(copy)};
}

int UpcomingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(found_.order.size());
}

int UpcomingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString UpcomingModel::text(int copy, int column) const {
    const UpcomingBirthday& birthday = found_.birthdays[static_cast<std::size_t>(copy)];
    switch (column) {
        case Name:
            return found_.people.cell(copy, 0).toString();
        case Date:
            return DayText(birthday.date);
        case Weekday:
            return WeekdayName(birthday.date);
        case Turns:
            // Without a birth year there is no age to turn.
            return birthday.turns > 0 ? tr("turns %1").arg(birthday.turns) : tr("birthday");
        case When:
            return WhenText(birthday.daysUntil);
        default:
            return {};
    }
}

QVariant UpcomingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int copy = copyOf(index.row());
    if (role == Qt::DisplayRole) return text(copy, index.column());
    const int image = found_.people.smallIcon(copy);
    if (role == Qt::DecorationRole && index.column() == Name && image >= 1 &&
        image <= images_.count())
        return images_.icon(image);
    return {};
}

QVariant UpcomingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return QString::fromLatin1(kCaptions[section]);
}

}  // namespace upcoming
