#pragma once

#include <QTreeView>

namespace platform {

// The details view of the list control: one line per row under clickable column
// headers, small images, whole rows selected, nothing edited in place. Reports left
// clicks and double clicks anywhere in it, after its own handling (so a click's
// selection is already made).
class ListDetailsView final : public QTreeView {
    Q_OBJECT

public:
    explicit ListDetailsView(QWidget* parent = nullptr);

signals:
    void leftClicked();
    void leftDoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace platform
