#include "platform/qt/QtFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/qt/DialogOwner.h"

namespace platform {

FileChoice QtFileDialog::choose(Mode mode, const std::string& title,
                                const std::vector<std::string>& filters) {
    QStringList filterList;
    for (const std::string& filter : filters) filterList << QString::fromStdString(filter);
    if (folder_.isEmpty()) folder_ = QDir::homePath();
    QString selected = filterList.value(0);
    QWidget* owner = DialogOwner();
    const QString caption = QString::fromStdString(title);
    const QString joined = filterList.join(QStringLiteral(";;"));
    const QString path =
        mode == Mode::Open
            ? QFileDialog::getOpenFileName(owner, caption, folder_, joined, &selected)
            : QFileDialog::getSaveFileName(owner, caption, folder_, joined, &selected);
    if (path.isEmpty()) return {};
    folder_ = QFileInfo(path).absolutePath();
    return {QDir::toNativeSeparators(path).toStdString(),
            static_cast<int>(std::max<qsizetype>(0, filterList.indexOf(selected)))};
}

}  // namespace platform
