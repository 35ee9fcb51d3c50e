// The main window's wiring of the find bar under the list.
#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "platform/qt/list/ListView.h"
#include "ui/main/FindBar.h"
#include "ui/main/frmMain.h"

void frmMain::createFindBar() {
    findBar_ = new FindBar(client_);
    connect(findBar_, &FindBar::textChanged, this, &frmMain::onFindText);
    connect(findBar_, &FindBar::matchRequested, this, &frmMain::openMatch);
    connect(findBar_, &FindBar::closed, this, [this] {
        Form_Resize();
        Lvw_->setFocus();
    });
    Lvw_->setFilterColumns({kNameColumn, kCommentsColumn});
}

void frmMain::createFindEntry(QMenu* view) {
    QAction* find = view->addAction(tr("&Find..."));
    find->setObjectName(QStringLiteral("MnuFind"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, this, [this] {
        findBar_->open();
        showFindCount();
        Form_Resize();
    });
}

void frmMain::onFindText(const QString& text) {
    Lvw_->setFilter(text);
    showFindCount();
}

// The "no records" row counts as nobody.
void frmMain::showFindCount() {
    const platform::ListRowStore& rows = Lvw_->storedRows();
    const bool placeholder = rows.count() == 1 && rows.key(0).isEmpty();
    const int shown = Lvw_->rowCount() - (placeholder && Lvw_->positionOfStored(0) >= 0 ? 1 : 0);
    findBar_->showCount(shown, placeholder ? 0 : rows.count());
}

// The selected match, else the first one; nothing while nothing is looked for.
void frmMain::openMatch() {
    if (findBar_->edit()->text().isEmpty() || Lvw_->rowCount() == 0) return;
    if (Lvw_->selectedRow() < 0) Lvw_->selectRow(0);
    onCommand(&frmMain::cmdEdit_Click);
}

// True when the bar was shown: it is cleared and hidden, and the Esc that closed it
// goes no further.
bool frmMain::closeFindBar() {
    if (!findBar_->isVisible()) return false;
    findBar_->dismiss();
    return true;
}
