#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <cstdlib>

#include "EditorTest.h"
#include "age/DateValue.h"

namespace {

using LayoutTest = EditorTest;

struct Placed {
    const char* objectName;
    QRect twips;  // left, top, width, height in twips
    const char* text;
};

QString TextOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(w)) return button->text();
    return QString();
}

TEST_F(LayoutTest, ControlsSitWhereTheDesignPutsThem) {
    const Placed design[] = {
        {"Image1", {120, 120, 480, 480}, ""},
        {"Label1_0", {720, 240, 1455, 255}, "Name:"},
        {"txtName", {720, 480, 2700, 285}, ""},
        {"Label1_2", {720, 840, 1455, 255}, "Date:"},
        {"mvBirth", {720, 1080, 2700, 285}, nullptr},
        {"Label1_1", {720, 1440, 1455, 255}, "Comments:"},
        {"txtComments", {720, 1680, 2700, 735}, ""},
        {"cmdAE_0", {3720, 120, 975, 375}, "Add"},
        {"cmdAE_1", {3720, 600, 975, 375}, "Close"},
        {"cmdDup", {3720, 1440, 975, 375}, "Duplicate"},
        {"cmdDelete", {3720, 1920, 975, 375}, "Delete"},
    };
    for (const Placed& p : design) {
        auto* w = dialog_->findChild<QWidget*>(p.objectName);
        ASSERT_NE(w, nullptr) << p.objectName;
        const QRect& t = p.twips;
        EXPECT_EQ(w->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15))
            << p.objectName;
        if (p.text) {
            EXPECT_EQ(TextOf(w), QString::fromLatin1(p.text)) << p.objectName;
        }
    }
    EXPECT_EQ(dialog_->size(), QSize(319, 168));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    EXPECT_EQ(dialog_->windowTitle(), "Person");
    EXPECT_EQ(button("cmdDelete")->toolTip(), "Delete this Person");
}

TEST_F(LayoutTest, TabOrderRunsDownTheFieldsThenAlongTheButtons) {
    dialog_->EditOr(5, "Ann", 0.0, "");
    const char* order[] = {"txtName", "mvBirth", "txtComments", "cmdAE_0",
                           "cmdAE_1", "cmdDup",  "cmdDelete",   "txtName"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* from = dialog_->findChild<QWidget*>(order[i]);
        QWidget* next = from->nextInFocusChain();
        // The picker's inner line edit follows the picker itself.
        while (next->focusPolicy() == Qt::NoFocus || next->parentWidget() == from)
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), order[i + 1]) << "after " << order[i];
    }
}

TEST_F(LayoutTest, ShowsThePersonPicture) {
    const QPixmap picture = dialog_->findChild<QLabel*>("Image1")->pixmap();
    EXPECT_FALSE(picture.isNull());
    EXPECT_FALSE(dialog_->windowIcon().isNull());
}

struct ModeCase {
    std::int32_t key;
    const char* title;
    const char* addSave;
    bool extraButtons;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << "key " << c.key;
}

class ModeTest : public EditorTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, KeyChoosesAddOrEditMode) {
    const ModeCase& c = GetParam();
    // Shown in the other mode first: nothing of an earlier showing may stay.
    dialog_->EditOr(c.key == 0 ? 9 : 0, "Old", 1.0, "old");
    dialog_->EditOr(c.key, "Ann", 2.0, "note");
    dialog_->show();
    EXPECT_EQ(dialog_->windowTitle(), c.title);
    EXPECT_EQ(button("cmdAE_0")->text(), c.addSave);
    EXPECT_EQ(button("cmdAE_1")->text(), "Close");
    EXPECT_EQ(button("cmdDup")->isVisible(), c.extraButtons);
    EXPECT_EQ(button("cmdDelete")->isVisible(), c.extraButtons);
}

INSTANTIATE_TEST_SUITE_P(Keys, ModeTest,
                         ::testing::Values(ModeCase{0, "Add New Person", "&Add", false},
                                           ModeCase{17, "Edit Person", "&Save", true},
                                           ModeCase{-4, "Edit Person", "&Save", true}));

TEST_F(LayoutTest, EditOrFillsTheFieldsAndTheProperties) {
    const double birth = modAgeCalc::ToDateValue({1980, 3, 15, 10, 20, 30});
    dialog_->EditOr(17, "Ann Lee", birth, "first line\nsecond line");
    EXPECT_EQ(txtName()->text(), "Ann Lee");
    EXPECT_EQ(mvBirth()->text(), "03/15/1980 10:20:30");
    EXPECT_EQ(txtComments()->toPlainText(), "first line\nsecond line");
    EXPECT_EQ(dialog_->PersonName(), "Ann Lee");
    EXPECT_EQ(dialog_->PersonBirth(), birth);
    EXPECT_EQ(dialog_->PersonComments(), "first line\nsecond line");
}

TEST_F(LayoutTest, HeldNameAndCommentsFollowTheTextBoxes) {
    dialog_->EditOr(0, "", 0.0, "");
    QTest::keyClicks(txtName(), "Bo b");
    QTest::keyClicks(txtComments(), "likes tea");
    EXPECT_EQ(dialog_->PersonName(), "Bo b");
    EXPECT_EQ(dialog_->PersonComments(), "likes tea");
    txtName()->clear();
    EXPECT_EQ(dialog_->PersonName(), "");
}

TEST_F(LayoutTest, StartsAtTheNameOnEveryShowing) {
    dialog_->EditOr(0, "", 0.0, "");
    showActive();
    mvBirth()->setFocus();
    dialog_->hide();
    dialog_->EditOr(3, "Ann", 0.0, "");
    dialog_->show();
    EXPECT_EQ(dialog_->focusWidget(), txtName());
}

TEST_F(LayoutTest, ShowsCentredOnItsOwner) {
    owner_.setGeometry(100, 80, 900, 700);
    owner_.show();
    for (int showing = 0; showing < 2; ++showing) {
        dialog_->EditOr(0, "", 0.0, "");
        dialog_->show();
        const QPoint offset = dialog_->geometry().center() - owner_.geometry().center();
        EXPECT_LE(std::abs(offset.x()), 20) << "showing " << showing;
        EXPECT_LE(std::abs(offset.y()), 40) << "showing " << showing;
        dialog_->hide();
        dialog_->move(0, 0);  // wherever it was left, the next showing centres it again
    }
}

}  // namespace
