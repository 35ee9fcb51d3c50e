#pragma once

#include <QLabel>

namespace platform {

// An image control: shows a picture and reports a left click on it.
class ClickableImage final : public QLabel {
    Q_OBJECT

public:
    explicit ClickableImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform
