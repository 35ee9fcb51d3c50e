// The main window's Import and Export entries.
#include <QAction>
#include <QMenu>

#include "ui/main/FileExchange.h"
#include "ui/main/frmMain.h"

// Import and Export follow the classic entries, so those keep their places and numbers.
void frmMain::createExchangeEntries(QMenu* menu) {
    menu->addSeparator()->setObjectName(QStringLiteral("MnuExchangeSeparator"));
    MnuImport_ = addCommandEntry(menu, tr("&Import..."), "MnuImport",
                                 QKeySequence(Qt::CTRL | Qt::Key_I), &frmMain::MnuImport_Click);
    MnuExport_ = addCommandEntry(menu, tr("Ex&port..."), "MnuExport",
                                 QKeySequence(Qt::CTRL | Qt::Key_E), &frmMain::MnuExport_Click);
}

QAction* frmMain::addCommandEntry(QMenu* menu, const QString& caption, const char* name,
                                  const QKeySequence& shortcut, void (frmMain::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { onCommand(command); });
    return action;
}

// The list shows what the import stored, or after a failed one what is there.
void frmMain::MnuImport_Click() {
    if (fileexchange::ImportFromFile()) LoadLvw(QString());
}

void frmMain::MnuExport_Click() {
    fileexchange::ExportToFile();
}
