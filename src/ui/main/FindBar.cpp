#include "ui/main/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), count_(new QLabel(this)) {
    setObjectName(QStringLiteral("findBar"));
    edit_->setObjectName(QStringLiteral("txtFind"));
    edit_->setPlaceholderText(tr("Find in names and comments"));
    edit_->installEventFilter(this);
    count_->setObjectName(QStringLiteral("lblFindCount"));
    auto* hide = new QToolButton(this);
    hide->setObjectName(QStringLiteral("cmdFindClose"));
    hide->setText(QStringLiteral("\u00d7"));
    hide->setToolTip(tr("Close the find bar"));
    hide->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Find:"), this));
    layout->addWidget(edit_, 1);
    layout->addWidget(count_);
    layout->addWidget(hide);
    connect(edit_, &QLineEdit::textChanged, this, &FindBar::textChanged);
    connect(hide, &QToolButton::clicked, this, &FindBar::dismiss);
    QWidget::hide();
}

void FindBar::showCount(int shown, int total) {
    count_->setText(tr("%1 of %2").arg(shown).arg(total));
}

void FindBar::open() {
    show();
    edit_->setFocus();
    edit_->selectAll();
}

void FindBar::dismiss() {
    edit_->clear();
    hide();
    emit closed();
}

// Esc must be claimed before the window's shortcuts see it, or it would run Exit.
bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool ours = key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
        if (ours && event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (ours) {
            if (key == Qt::Key_Escape)
                dismiss();
            else
                emit matchRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
