#include "platform/freedesktop/FreedesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusReply>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>
#include <clocale>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The desktop's own default: the service decides how long the notification stays.
constexpr int kServiceDefaultTimeout = -1;

// Services that read markup would take "Tom & Jerry" or "<3" for markup and show
// nothing or garbage; the freedesktop notification rules ask senders to escape these.
QString BodyText(const Notification& notification, bool markup) {
    QStringList lines;
    for (const std::string& line : notification.lines) {
        const QString text = QString::fromStdString(line);
        lines << (markup ? text.toHtmlEscaped() : text);
    }
    return lines.join(QLatin1Char('\n'));
}

QDBusMessage Call(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call);
}

}  // namespace

FreedesktopNotifier::FreedesktopNotifier() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "marrowtide";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QCoreApplication>(argc, argv);
    // The application object takes the user's locale; numbers written elsewhere keep
    // their decimal point.
    std::setlocale(LC_NUMERIC, "C");
}

FreedesktopNotifier::~FreedesktopNotifier() = default;

bool FreedesktopNotifier::serviceReadsMarkup() const {
    const QDBusReply<QStringList> capabilities = Call(QStringLiteral("GetCapabilities"));
    return capabilities.isValid() && capabilities.value().contains(QStringLiteral("body-markup"));
}

void FreedesktopNotifier::listen() {
    if (listening_) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
    listening_ = true;
}

bool FreedesktopNotifier::Show(const Notification& notification) {
    if (!QDBusConnection::sessionBus().isConnected()) return false;
    // Listening before the call: a service may answer before the reply is read.
    listen();
    answer_.reset();
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"),
                 QString::fromStdString(notification.desktopEntry));
    const QStringList actions{QStringLiteral("default"),
                              QString::fromStdString(notification.actionLabel)};
    const QDBusReply<uint> id = Call(
        QStringLiteral("Notify"),
        {QString::fromStdString(notification.application), uint{0},
         QString::fromStdString(notification.icon), QString::fromStdString(notification.summary),
         BodyText(notification, serviceReadsMarkup()), actions, hints, kServiceDefaultTimeout});
    if (!id.isValid()) return false;
    shown_ = id.value();
    return true;
}

NotificationAnswer FreedesktopNotifier::WaitForAnswer(std::chrono::milliseconds limit) {
    if (!shown_) return NotificationAnswer::NoAnswer;
    if (!answer_) {
        QEventLoop loop;
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        waiting_ = &loop;
        loop.exec();
        waiting_ = nullptr;
    }
    return answer_.value_or(NotificationAnswer::NoAnswer);
}

void FreedesktopNotifier::answer(uint id, NotificationAnswer answer) {
    if (shown_ != id || answer_) return;
    answer_ = answer;
    if (waiting_) waiting_->quit();
}

void FreedesktopNotifier::onActionInvoked(uint id, const QString& action) {
    if (action == QLatin1String("default")) answer(id, NotificationAnswer::Clicked);
}

void FreedesktopNotifier::onNotificationClosed(uint id, uint) {
    answer(id, NotificationAnswer::Closed);
}

}  // namespace platform
