#pragma once

#include <QWidget>

#include "platform/qt/ImageList.h"

class QLabel;
class QSpinBox;
class QStackedWidget;
class QTreeView;

namespace platform {
class ListView;
}
namespace upcoming {
class UpcomingModel;
}

// The "Upcoming Birthdays" tool window: the people of the person list whose birthday
// falls within the next N days, N from the spin box `spnDays` (kept in the settings
// store). It stays in front of its owner, the main window, and closes with it. It
// takes every key pressed in it for itself, so no key reaches the owner's commands;
// Esc closes it. A double click or Enter on a person asks for the person editor.
class frmUpcoming final : public QWidget {
    Q_OBJECT

public:
    // `list` and `images` belong to the owner and outlive this window.
    frmUpcoming(QWidget* owner, const platform::ListView& list, const platform::ImageList& images);

    // Reads the list again and lists the birthdays from today's date on.
    void refresh();
    // Puts the window beside its owner, on the side where it fits on the screen.
    void placeBesideOwner();

    QTreeView* people() const { return people_; }
    QLabel* nobody() const { return nobody_; }
    upcoming::UpcomingModel* model() const { return model_; }

signals:
    void editRequested(const QString& key, const QString& name, double birth,
                       const QString& comments, quint64 rowAsRead);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void requestEdit(int row);
    void onDaysChanged(int days);

    const platform::ListView& list_;
    upcoming::UpcomingModel* model_;
    QSpinBox* days_;
    QStackedWidget* stack_;
    QTreeView* people_;
    QLabel* nobody_;
};
