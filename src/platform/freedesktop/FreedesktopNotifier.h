#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "platform/Desktop.h"

class QCoreApplication;
class QEventLoop;

namespace platform {

// Notifications through org.freedesktop.Notifications on the session bus. Clicking
// the notification invokes its "default" action, which the service reports with the
// ActionInvoked signal; dismissing it, with NotificationClosed.
class FreedesktopNotifier final : public QObject, public Notifier {
    Q_OBJECT

public:
    FreedesktopNotifier();
    ~FreedesktopNotifier() override;

    bool Show(const Notification& notification) override;
    NotificationAnswer WaitForAnswer(std::chrono::milliseconds limit) override;

private slots:
    void onActionInvoked(uint id, const QString& action);
    void onNotificationClosed(uint id, uint reason);

private:
    bool serviceReadsMarkup() const;
    void listen();
    void answer(uint id, NotificationAnswer answer);

    // A companion started without an application object gets one here: signals need
    // an event loop.
    std::unique_ptr<QCoreApplication> application_;
    bool listening_ = false;
    std::optional<uint> shown_;
    std::optional<NotificationAnswer> answer_;
    QEventLoop* waiting_ = nullptr;
};

}  // namespace platform
