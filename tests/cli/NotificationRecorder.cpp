// A notification service for the tests: owns org.freedesktop.Notifications on the
// session bus and writes each notification it receives as one JSON line to a file.
//   notification-recorder FILE [click|close|silent] [markup]
// click: the user clicks each notification at once (ActionInvoked, then
// NotificationClosed); close: the user dismisses it; silent: nothing happens.
// markup: the service says it reads body markup.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QVariantMap>
#include <cstdio>

class Recorder final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    Recorder(QString file, QString answer, bool markup)
        : file_(std::move(file)), answer_(std::move(answer)), markup_(markup) {}

public slots:
    QStringList GetCapabilities() {
        QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body")};
        if (markup_) capabilities << QStringLiteral("body-markup");
        return capabilities;
    }

    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Marrowtide tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("recorder");
    }

    uint Notify(const QString& application, uint replaces, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout) {
        const uint id = ++last_;
        QJsonObject hintTexts;
        for (auto hint = hints.begin(); hint != hints.end(); ++hint)
            hintTexts.insert(hint.key(), hint.value().toString());
        const QJsonObject record{{"application", application},
                                 {"replaces", static_cast<int>(replaces)},
                                 {"icon", icon},
                                 {"summary", summary},
                                 {"body", body},
                                 {"actions", QJsonArray::fromStringList(actions)},
                                 {"hints", hintTexts},
                                 {"timeout", timeout}};
        QFile out(file_);
        if (out.open(QIODevice::Append))
            out.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
        out.close();
        QTimer::singleShot(0, this, [this, id] { answer(id); });
        return id;
    }

    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }

signals:
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

private:
    void answer(uint id) {
        if (answer_ == QLatin1String("click")) emit ActionInvoked(id, QStringLiteral("default"));
        if (answer_ != QLatin1String("silent")) emit NotificationClosed(id, 2);
    }

    QString file_;
    QString answer_;
    bool markup_;
    uint last_ = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: notification-recorder FILE [click|close|silent] [markup]\n", stderr);
        return 2;
    }
    Recorder recorder(args[1], args.value(2, QStringLiteral("close")),
                      args.value(3) == QLatin1String("markup"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &recorder,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fputs("notification-recorder: the bus refused the service\n", stderr);
        return 1;
    }
    return QCoreApplication::exec();
}

#include "NotificationRecorder.moc"
