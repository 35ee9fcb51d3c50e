// The main window's person list: its columns, its loads and its events.
#include <QToolButton>

#include "age/AgeCalc.h"
#include "platform/EventPump.h"
#include "platform/qt/list/ListView.h"
#include "ui/legend/frmLegend.h"
#include "ui/main/FindBar.h"
#include "ui/main/PersonListLoader.h"
#include "ui/main/frmMain.h"
#include "ui/upcoming/frmUpcoming.h"

void frmMain::InitLvw() {
    Lvw_->clearColumns();
    Lvw_->clearRows();
    // Names and comments sort as a reader expects; Year and Age as plain text.
    Lvw_->addColumn(tr("Name"), 1515, Qt::AlignLeft, platform::SortAs::Names);
    Lvw_->addColumn(tr("Year"), 1140, Qt::AlignLeft);
    Lvw_->addColumn(tr("Age"), 3015, Qt::AlignLeft);
    Lvw_->addColumn(tr("Comments"), 3015, Qt::AlignLeft, platform::SortAs::Names);
    Lvw_->setViewMode(platform::ListView::ViewMode::Details);
}

// A load started while another one is yielding would clear the rows under it; it is
// run after the current load instead (the latest request wins).
void frmMain::LoadLvw(const QString& SQLFilter) {
    if (loading_) {
        reloadPending_ = true;
        pendingFilter_ = SQLFilter;
        return;
    }
    QString filter = SQLFilter;
    for (;;) {
        loading_ = true;
        personlist::PersonListLoader(*Lvw_).Run(filter.toStdString());
        loading_ = false;
        if (!reloadPending_) break;
        reloadPending_ = false;
        filter = pendingFilter_;
    }
    afterLoad();
    runPendingAfterLoad();
}

// The list's ages were just worked out for today; what depends on them follows.
void frmMain::afterLoad() {
    loadedDay_ = modAgeCalc::TodaySerial();
    if (upcoming_) upcoming_->refresh();
    if (findBar_->isVisible()) showFindCount();
    // Only an open legend needs the rows looked through.
    if (frmLegend::IsOpen()) frmLegend::ShowAgeUnknownInOpen(listHasAgeUnknown());
}

void frmMain::runPendingAfterLoad() {
    if (!closePending_) return;
    closePending_ = false;
    close();
}

void frmMain::SetListButtons() {
    showSelectionInButtons();
    platform::DoEvents();
}

// Edit and Delete follow the selection whatever changed it (a click, a reload, the
// filter), so that they are never enabled with nothing to act on, nor the reverse.
void frmMain::showSelectionInButtons() {
    cmdDelete_->setEnabled(Lvw_->selectedRow() >= 0);
    cmdEdit_->setEnabled(cmdDelete_->isEnabled());
}

void frmMain::Lvw_Click() {
    SetListButtons();
}

void frmMain::Lvw_DblClick() {
    if (Lvw_->rowCount() > 0) onCommand(&frmMain::cmdEdit_Click);
}

// A click on the header of the sort column reverses the order; a click on another
// header sorts by that column in the order last used.
void frmMain::Lvw_ColumnClick(int position) {
    const int previous = Lvw_->sortKey();
    Lvw_->setSortKey(position - 1);
    if (Lvw_->sortKey() == previous)
        Lvw_->setSortOrder(Lvw_->sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                   : Qt::AscendingOrder);
    Lvw_->setSorted(true);
}
