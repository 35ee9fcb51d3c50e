#pragma once

#include <QListView>

namespace platform {

// The large-icon view of the list control: a large image with the row's text below,
// in cells of one size laid out in lines that wrap at the edge. The list mode with a
// uniform cell size keeps no geometry per row, unlike the icon mode, and never
// measures the texts. Reports left clicks and double clicks anywhere in it, after its
// own handling.
class ListIconView final : public QListView {
    Q_OBJECT

public:
    explicit ListIconView(QWidget* parent = nullptr);

signals:
    void leftClicked();
    void leftDoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace platform
