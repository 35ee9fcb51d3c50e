#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/DialogOwner.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBox.h"

namespace {

// The owner of the modal dialog that `open` shows, which is then closed unanswered.
QWidget* OwnerOfDialogShownBy(const std::function<void()>& open) {
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        owner = dialog->parentWidget();
        dialog->reject();
    });
    open();
    return owner;
}

// Message boxes and file dialogs open over the window they came from, and over the main
// window when no window is active (just after a menu or another dialog closed).
TEST(DialogOwner, DialogsBelongToTheActiveWindowElseTheMainWindow) {
    QWidget main;
    QWidget other;
    main.show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    platform::SetMainWindow(&main);
    platform::QtMessageBox box;
    platform::QtFileDialog files;
    const struct {
        const char* what;
        QWidget* active;
        QWidget* owner;
    } cases[] = {{"no window active", nullptr, &main}, {"another window active", &other, &other}};
    for (const auto& c : cases) {
        QApplication::setActiveWindow(c.active);
        EXPECT_EQ(OwnerOfDialogShownBy([&] { box.show("text", 0, "title"); }), c.owner) << c.what;
        QApplication::setActiveWindow(c.active);
        EXPECT_EQ(OwnerOfDialogShownBy([&] {
                      files.choose(platform::FileDialog::Mode::Open, "title", {"All files (*)"});
                  }),
                  c.owner)
            << c.what;
    }
    platform::SetMainWindow(nullptr);
}

}  // namespace
