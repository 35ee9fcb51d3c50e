#include "platform/freedesktop/SystemdUserSchedule.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <utility>

namespace platform {

namespace {

constexpr int kWaitMs = 30000;

std::string Trimmed(const QByteArray& text) {
    return text.trimmed().toStdString();
}

}  // namespace

SystemdUserSchedule::SystemdUserSchedule(QString ownDefinitions, QString systemctl)
    : ownDefinitions_(std::move(ownDefinitions)), systemctl_(std::move(systemctl)) {}

QString SystemdUserSchedule::UserUnitFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/systemd/user");
}

// A user manager answers on its private socket; without one (no systemd, a session
// without a user manager) systemctl cannot connect and fails.
bool SystemdUserSchedule::managerRuns() const {
    std::string ignored;
    return run({QStringLiteral("--user"), QStringLiteral("show-environment")}, ignored);
}

bool SystemdUserSchedule::run(const QStringList& arguments, std::string& problem) const {
    QProcess process;
    process.start(systemctl_, arguments);
    if (!process.waitForFinished(kWaitMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        problem = Trimmed(process.readAllStandardError());
        if (problem.empty()) problem = process.errorString().toStdString();
        return false;
    }
    return true;
}

bool SystemdUserSchedule::copyDefinitions(std::string& problem) const {
    const QString folder = UserUnitFolder();
    if (!QDir().mkpath(folder)) {
        problem = "The folder " + folder.toStdString() + " could not be made.";
        return false;
    }
    for (const char* unit : {kService, kTimer}) {
        const QString name = QString::fromLatin1(unit);
        const QString target = folder + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(ownDefinitions_ + QLatin1Char('/') + name, target)) {
            problem = "The unit " + target.toStdString() + " could not be written.";
            return false;
        }
    }
    return run({QStringLiteral("--user"), QStringLiteral("daemon-reload")}, problem);
}

ScheduleOutcome SystemdUserSchedule::Enable(std::string& problem) {
    if (!managerRuns()) return ScheduleOutcome::NoScheduler;
    if (!ownDefinitions_.isEmpty() && !copyDefinitions(problem)) return ScheduleOutcome::Failed;
    return run({QStringLiteral("--user"), QStringLiteral("enable"), QStringLiteral("--now"),
                QString::fromLatin1(kTimer)},
               problem)
               ? ScheduleOutcome::Done
               : ScheduleOutcome::Failed;
}

ScheduleOutcome SystemdUserSchedule::Disable(std::string& problem) {
    if (!managerRuns()) return ScheduleOutcome::NoScheduler;
    return run({QStringLiteral("--user"), QStringLiteral("disable"), QStringLiteral("--now"),
                QString::fromLatin1(kTimer)},
               problem)
               ? ScheduleOutcome::Done
               : ScheduleOutcome::Failed;
}

}  // namespace platform
