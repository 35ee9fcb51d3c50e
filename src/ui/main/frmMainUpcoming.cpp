// The main window's wiring of the upcoming birthdays: the View menu's entries, the
// reminder at start-up and the one Upcoming window.
#include <QAction>
#include <QMenu>
#include <algorithm>
#include <cmath>

#include "age/AgeCalc.h"
#include "platform/qt/list/ListView.h"
#include "ui/main/PersonKey.h"
#include "ui/main/RemindWhenClosed.h"
#include "ui/main/frmMain.h"
#include "ui/upcoming/UpcomingBirthdays.h"
#include "ui/upcoming/UpcomingSettings.h"
#include "ui/upcoming/frmUpcoming.h"

void frmMain::createUpcomingEntries(QMenu* view) {
    view->addSeparator();
    MnuUpcoming_ = view->addAction(tr("&Upcoming Birthdays"));
    MnuUpcoming_->setObjectName(QStringLiteral("MnuUpcoming"));
    MnuUpcoming_->setShortcut(QKeySequence(Qt::Key_F6));
    MnuUpcoming_->setShortcutContext(Qt::WindowShortcut);
    connect(MnuUpcoming_, &QAction::triggered, this, &frmMain::MnuUpcoming_Click);
    MnuRemind_ = view->addAction(tr("Remind at &Start-up"));
    MnuRemind_->setObjectName(QStringLiteral("MnuRemind"));
    MnuRemind_->setCheckable(true);
    MnuRemind_->setChecked(upcoming::RemindAtStartUp());
    connect(MnuRemind_, &QAction::toggled, this,
            [](bool on) { upcoming::SaveRemindAtStartUp(on); });
    AddRemindWhenClosedEntry(view);
}

void frmMain::MnuUpcoming_Click() {
    showUpcoming(true);
}

frmUpcoming* frmMain::upcomingWindow() const {
    return upcoming_;
}

// The window opens by itself only when it will show someone: a birthday within the
// days it shows and within a week.
void frmMain::RemindAtStartUp() {
    if (!upcoming::RemindAtStartUp()) return;
    const int days = std::min(upcoming::DaysAhead(), upcoming::kReminderDays);
    if (!upcoming::AnyUpcomingBirthday(Lvw_->storedRows(), modAgeCalc::TodaySerial(), days))
        return;
    showUpcoming(false);
}

// One window at a time; the reminder leaves the keyboard with the main window. A
// window that is hidden has been closed and only awaits deletion: a new one replaces it.
void frmMain::showUpcoming(bool activate) {
    if (upcoming_ && !upcoming_->isVisible()) upcoming_ = nullptr;
    if (!upcoming_) {
        upcoming_ = new frmUpcoming(this, *Lvw_, ImlS_);
        connect(
            upcoming_, &frmUpcoming::editRequested, this,
            [this](const QString& key, const QString& name, double birth, const QString& comments,
                   quint64 rowAsRead) {
                const std::optional<std::int32_t> person = personlist::PersonKeyOf(key);
                if (person && acceptsCommands())
                    runEditor(*person, name, std::isnan(birth) ? 0.0 : birth, comments,
                              rowAsRead);
            });
        upcoming_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        upcoming_->placeBesideOwner();
        upcoming_->show();
        upcoming_->placeBesideOwner();
    }
    if (!activate) return;
    upcoming_->raise();
    upcoming_->activateWindow();
}
