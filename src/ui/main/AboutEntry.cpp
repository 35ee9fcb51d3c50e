#include "ui/main/AboutEntry.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>

#include "app/About.h"
#include "platform/MessageBox.h"
#include "store/Database.h"

void AddAboutEntry(QMainWindow& window) {
    QMenu* view = window.findChild<QMenu*>(QStringLiteral("MenuView"));
    if (!view) return;
    view->addSeparator();
    QAction* about = view->addAction(QCoreApplication::translate("frmMain", "&About Marrowtide..."));
    about->setObjectName(QStringLiteral("MnuAbout"));
    QObject::connect(about, &QAction::triggered, &window, [] {
        const QString path = QString::fromStdString(modAgeCalc::DatabasePath());
        platform::MsgBox(app::AboutText(path).toStdString(), platform::Icon::Information,
                         QCoreApplication::translate("frmMain", "About Marrowtide").toStdString());
    });
}
