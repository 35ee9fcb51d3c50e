#include "QtMessageBox.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/DialogOwner.h"

namespace platform {

namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MsgAnswer answer;
};

QList<ButtonChoice> buttonsFor(int style) {
    using SB = QMessageBox::StandardButton;
    switch (ButtonSet(style)) {
        case Buttons::OkCancel:
            return {{SB::Ok, MsgAnswer::Ok}, {SB::Cancel, MsgAnswer::Cancel}};
        case Buttons::AbortRetryIgnore:
            return {{SB::Abort, MsgAnswer::Abort},
                    {SB::Retry, MsgAnswer::Retry},
                    {SB::Ignore, MsgAnswer::Ignore}};
        case Buttons::YesNoCancel:
            return {{SB::Yes, MsgAnswer::Yes},
                    {SB::No, MsgAnswer::No},
                    {SB::Cancel, MsgAnswer::Cancel}};
        case Buttons::YesNo:
            return {{SB::Yes, MsgAnswer::Yes}, {SB::No, MsgAnswer::No}};
        case Buttons::RetryCancel:
            return {{SB::Retry, MsgAnswer::Retry}, {SB::Cancel, MsgAnswer::Cancel}};
        default:
            return {{SB::Ok, MsgAnswer::Ok}};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (IconOf(style)) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

MsgAnswer QtMessageBox::show(const std::string& text, int style, const std::string& title) {
    QString body = QString::fromStdString(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(iconFor(style), QString::fromStdString(title), body, QMessageBox::NoButton,
                    DialogOwner());
    const QList<ButtonChoice> choices = buttonsFor(style);
    for (const ButtonChoice& c : choices) box.addButton(c.button);
    const int defaultIndex = DefaultButtonOf(style);
    if (defaultIndex < choices.size()) box.setDefaultButton(choices[defaultIndex].button);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonChoice& c : choices)
        if (c.button == clicked) return c.answer;
    // Closed without a button (Esc on a box that has no Cancel): the safest answer.
    return choices.size() == 1 ? choices.front().answer : MsgAnswer::Cancel;
}

}  // namespace platform
