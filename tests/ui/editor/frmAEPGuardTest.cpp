#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "EditorTest.h"
#include "ScriptedEventPump.h"
#include "age/DateValue.h"

namespace {

using GuardTest = EditorTest;

double Value(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

// A second click that arrives while the first save lets window events through must
// not save a second time.
TEST_F(GuardTest, ASecondAddClickDuringTheSaveIsIgnored) {
    dialog_->EditOr(0, "Ann", Value(1980, 3, 15), "");
    dialog_->show();
    // Clicks again in the click's own pause and in the store's pause after writing.
    testsupport::ScriptedEventPump pump([this] { button("cmdAE_0")->click(); }, 2);
    button("cmdAE_0")->click();
    EXPECT_EQ(pump.calls(), 2);
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(reloads_, 1);
}

TEST_F(GuardTest, ASecondDuplicateClickDuringTheSaveIsIgnored) {
    const auto key = storePerson("Ann", Value(1980, 3, 15), "");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "");
    dialog_->show();
    testsupport::ScriptedEventPump pump([this] {
        button("cmdDup")->click();
        button("cmdAE_0")->click();
    });
    button("cmdDup")->click();
    EXPECT_GE(pump.calls(), 1);
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(reloads_, 1);
}

TEST_F(GuardTest, EnterTwiceQuicklySavesOnce) {
    dialog_->EditOr(0, "Ann", Value(1980, 3, 15), "");
    showActive();
    testsupport::ScriptedEventPump pump([this] { QTest::keyClick(txtName(), Qt::Key_Return); });
    QTest::keyClick(txtName(), Qt::Key_Return);
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(reloads_, 1);
}

TEST_F(GuardTest, ClosingDuringARefusedSaveIsIgnored) {
    dialog_->EditOr(0, "Ann", Value(1980, 3, 15), "");
    showActive();
    removeDatabase();
    testsupport::ScriptedEventPump pump([this] {
        QTest::keyClick(txtName(), Qt::Key_Escape);
        dialog_->close();
        button("cmdAE_1")->click();
    });
    button("cmdAE_0")->click();
    EXPECT_GE(pump.calls(), 1);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(reloads_, 1);
    // Once the save is over, Close works again.
    button("cmdAE_1")->click();
    EXPECT_FALSE(dialog_->isVisible());
}

}  // namespace
