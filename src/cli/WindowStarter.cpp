#include "cli/WindowStarter.h"

#include <QProcess>
#include <QStringList>

#include "platform/ExecutableFolder.h"

namespace cli {

bool StartWindow(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromStdString(argument);
    const QString program = QString::fromStdString(platform::ExecutableFolder() + "/marrowtide");
    return QProcess::startDetached(program, list);
}

}  // namespace cli
