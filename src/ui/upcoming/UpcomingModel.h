#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "platform/qt/ImageList.h"
#include "platform/qt/list/ListRowStore.h"
#include "ui/upcoming/UpcomingBirthdays.h"

namespace upcoming {

// The rows of the upcoming-birthday window: name with the age-group image, the
// birthday's date, its weekday, "turns N" and when it is. The people listed are copied
// out of the person list (UpcomingPeople), since that is cleared and refilled on every
// reload; their texts become strings only for the rows shown and the editor.
class UpcomingModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Date, Weekday, Turns, When, kColumns };

    // What the editor is given of a listed person.
    struct Person {
        QString key, name, comments;
        double birth = 0;
        std::uint64_t stamp = 0;  // the row as read, for the editor's check before saving
    };

    explicit UpcomingModel(const platform::ImageList& images, QObject* parent = nullptr);

    void fill(const platform::ListRowStore& rows, std::int32_t today, int days);
    Person person(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int copyOf(int row) const { return found_.order[static_cast<std::size_t>(row)]; }
    QString text(int copy, int column) const;

    const platform::ImageList& images_;
    UpcomingPeople found_;
};

}  // namespace upcoming
