#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "platform/qt/ImageList.h"
#include "platform/qt/list/ListRowStore.h"
#include "ui/upcoming/UpcomingBirthdays.h"

namespace upcoming {

// The rows of the upcoming-birthday window: name with the age-group image, the
// birthday's date, its weekday, "turns N" and when it is. Each row keeps copies of
// what it shows and of what the editor needs, since the person list it came from is
// cleared and refilled on every reload.
class UpcomingModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Date, Weekday, Turns, When, kColumns };

    struct Person {
        UpcomingBirthday birthday;
        QString key, name, comments;
        double birth = 0;
        int image = 0;
        std::uint64_t stamp = 0;  // the row as read, for the editor's check before saving
    };

    explicit UpcomingModel(const platform::ImageList& images, QObject* parent = nullptr);

    void fill(const platform::ListRowStore& rows, std::int32_t today, int days);
    const Person& person(int row) const { return people_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const Person& person, int column) const;

    const platform::ImageList& images_;
    std::vector<Person> people_;
};

}  // namespace upcoming
