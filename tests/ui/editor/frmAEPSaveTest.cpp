#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "EditorTest.h"
#include "age/DateValue.h"

namespace {

using platform::MsgAnswer;
using SaveTest = EditorTest;

double Value(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

QDateTime Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

TEST_F(SaveTest, AddStoresThePersonReloadsAndCloses) {
    dialog_->EditOr(0, "", Value(1980, 3, 15, 10, 20, 30), "");
    dialog_->show();
    QTest::keyClicks(txtName(), "Ann Lee");
    QTest::keyClicks(txtComments(), "likes tea");
    button("cmdAE_0")->click();

    const auto all = rows();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].name, "Ann Lee");
    EXPECT_EQ(all[0].birth, "1980-03-15 10:20:30");
    EXPECT_EQ(all[0].comments, "likes tea");
    EXPECT_EQ(reloads_, 1);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(boxes_.count(), 0u);
}

TEST_F(SaveTest, AddRefusesAnEmptyNameAndStaysOpen) {
    dialog_->EditOr(0, "", Value(1980, 3, 15), "a note");
    dialog_->show();
    button("cmdAE_0")->click();

    ASSERT_EQ(boxes_.count(), 1u);
    EXPECT_EQ(boxes_.asked()[0].text, "Name Cannot be empty");
    EXPECT_EQ(boxes_.asked()[0].style, 0);
    EXPECT_EQ(boxes_.asked()[0].title, "Marrowtide");
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(reloads_, 0);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(txtComments()->toPlainText(), "a note");
}

TEST_F(SaveTest, ANameOfBlanksIsStored) {
    dialog_->EditOr(0, "", Value(1980, 3, 15), "");
    dialog_->show();
    QTest::keyClicks(txtName(), "   ");
    button("cmdAE_0")->click();
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].name, "   ");
    EXPECT_EQ(boxes_.count(), 0u);
}

TEST_F(SaveTest, SaveChangesOnlyTheShownPerson) {
    const auto other = storePerson("Bob", Value(1970, 1, 1), "other");
    const auto key = storePerson("Ann", Value(1980, 3, 15), "old");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "old");
    dialog_->show();
    txtName()->setText("Ann Lee");
    txtComments()->setPlainText("new");
    button("cmdAE_0")->click();

    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(rowWithKey(key).name, "Ann Lee");
    EXPECT_EQ(rowWithKey(key).comments, "new");
    EXPECT_EQ(rowWithKey(other).name, "Bob");
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(SaveTest, ALongNameIsStoredWhole) {
    const QString longName(40000, QLatin1Char('n'));
    dialog_->EditOr(0, longName, 0.0, "");
    button("cmdAE_0")->click();
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].name.size(), 40000u);
}

enum class CloseWay { Button, Escape, CloseBox };

void PrintTo(CloseWay way, std::ostream* os) {
    *os << (way == CloseWay::Button   ? "Close button"
            : way == CloseWay::Escape ? "Esc"
                                      : "close box");
}

class CloseTest : public EditorTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(CloseTest, StoresNothingAndDoesNotReload) {
    const auto key = storePerson("Ann", Value(1980, 3, 15), "note");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "note");
    showActive();
    txtName()->setText("Changed");
    mvBirth()->setDateTime(Utc(1990, 1, 1));
    switch (GetParam()) {
        case CloseWay::Button:
            button("cmdAE_1")->click();
            break;
        case CloseWay::Escape:
            QTest::keyClick(txtName(), Qt::Key_Escape);
            break;
        case CloseWay::CloseBox:
            dialog_->close();
            break;
    }
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(rowWithKey(key).name, "Ann");
    EXPECT_EQ(rowWithKey(key).birth, "1980-03-15 00:00:00");
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(reloads_, 0);
    EXPECT_EQ(boxes_.count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseTest,
                         ::testing::Values(CloseWay::Button, CloseWay::Escape, CloseWay::CloseBox));

TEST_F(SaveTest, ARefusedSaveKeepsTheInputReloadsOnceAndStaysOpen) {
    dialog_->EditOr(0, "", Value(1980, 3, 15), "");
    dialog_->show();
    QTest::keyClicks(txtName(), "Ann");
    QTest::keyClicks(txtComments(), "note");
    removeDatabase();
    boxes_.push(MsgAnswer::Abort);
    button("cmdAE_0")->click();

    ASSERT_EQ(boxes_.count(), 1u);  // the store's own error box, and nothing more
    EXPECT_EQ(boxes_.asked()[0].title, "An Error Occured!");
    EXPECT_EQ(reloads_, 1);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(txtName()->text(), "Ann");
    EXPECT_EQ(txtComments()->toPlainText(), "note");
}

TEST_F(SaveTest, AFailingReloadStillClosesAfterASave) {
    reloadThrows_ = true;
    dialog_->EditOr(0, "Ann", Value(1980, 3, 15), "");
    dialog_->show();
    button("cmdAE_0")->click();
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_EQ(reloads_, 1);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(SaveTest, DuplicateAddsTheChangedValuesAndKeepsTheShownPerson) {
    const auto key = storePerson("Ann", Value(1980, 3, 15), "old");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "old");
    showActive();
    txtName()->setText("Ann's twin");
    txtComments()->setPlainText("new");
    mvBirth()->setFocus();
    mvBirth()->setDateTime(Utc(1980, 3, 16, 0, 5, 0));
    QTest::mouseClick(button("cmdDup"), Qt::LeftButton);

    const auto all = rows();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(rowWithKey(key).name, "Ann");
    EXPECT_EQ(rowWithKey(key).birth, "1980-03-15 00:00:00");
    EXPECT_EQ(rowWithKey(key).comments, "old");
    EXPECT_NE(all[1].id, key);
    EXPECT_EQ(all[1].name, "Ann's twin");
    EXPECT_EQ(all[1].birth, "1980-03-16 00:05:00");
    EXPECT_EQ(all[1].comments, "new");
    EXPECT_EQ(reloads_, 1);
    EXPECT_FALSE(dialog_->isVisible());
}

// Where buttons take no focus on a click (macOS), the picker keeps the focus and is
// never validated before Duplicate runs.
TEST_F(SaveTest, DuplicateTakesThePickerAlsoWhenItKeepsTheFocus) {
    const auto key = storePerson("Ann", Value(1980, 3, 15), "");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "");
    showActive();
    mvBirth()->setFocus();
    mvBirth()->setDateTime(Utc(1980, 3, 16, 0, 5, 0));
    button("cmdDup")->click();
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(rows()[1].birth, "1980-03-16 00:05:00");
}

TEST_F(SaveTest, DuplicatePassesAnEmptyNameToTheStore) {
    const auto key = storePerson("Ann", Value(1980, 3, 15), "old");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "old");
    dialog_->show();
    txtName()->clear();
    button("cmdDup")->click();
    EXPECT_EQ(boxes_.count(), 0u);
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(rows()[1].name, "");
    EXPECT_EQ(rowWithKey(key).name, "Ann");
}

TEST_F(SaveTest, ARefusedDuplicateReloadsAndStaysOpen) {
    const auto key = storePerson("Ann", Value(1980, 3, 15), "old");
    dialog_->EditOr(key, "Ann", Value(1980, 3, 15), "old");
    dialog_->show();
    removeDatabase();
    button("cmdDup")->click();
    EXPECT_GE(boxes_.count(), 1u);
    EXPECT_EQ(reloads_, 1);
    EXPECT_TRUE(dialog_->isVisible());
}

struct CommentsCase {
    const char* what;
    QString given;
};

void PrintTo(const CommentsCase& c, std::ostream* os) {
    *os << c.what;
}

class UntouchedCommentsTest : public EditorTest,
                              public ::testing::WithParamInterface<CommentsCase> {};

TEST_P(UntouchedCommentsTest, AreStoredAsGivenUnlessEdited) {
    const CommentsCase& c = GetParam();
    const auto key = storePerson("Ann", 0.0, c.given.toStdString());
    dialog_->EditOr(key, "Ann", 0.0, c.given);
    EXPECT_EQ(dialog_->PersonComments(), c.given) << c.what;
    button("cmdAE_0")->click();
    EXPECT_EQ(rowWithKey(key).comments, c.given.toStdString()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Comments, UntouchedCommentsTest,
                         ::testing::Values(CommentsCase{"Windows line breaks", "first\r\nsecond"},
                                           CommentsCase{"a lone carriage return", "first\rsecond"},
                                           CommentsCase{"a non-breaking space",
                                                        QString::fromUtf8("10\u00a0kg")}));

TEST_F(SaveTest, EditedCommentsAreStoredAsTheBoxShowsThem) {
    dialog_->EditOr(5, "Ann", 0.0, QString::fromUtf8("first\r\nsecond\u00a0kg"));
    txtComments()->moveCursor(QTextCursor::End);
    QTest::keyClicks(txtComments(), "!");
    EXPECT_EQ(dialog_->PersonComments(), QString::fromUtf8("first\nsecond\u00a0kg!"));
    txtComments()->undo();  // back to what was shown: the comments as given
    EXPECT_EQ(dialog_->PersonComments(), QString::fromUtf8("first\r\nsecond\u00a0kg"));
}

}  // namespace
