#include "EditorTest.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <stdexcept>

#include "store/PersonStore.h"

void EditorTest::SetUp() {
    dialog_ = std::make_unique<frmAEP>(&owner_, [this] {
        ++reloads_;
        if (reloadThrows_) throw std::runtime_error("list not reloaded");
    });
}

void EditorTest::TearDown() {
    dialog_.reset();
}

std::int32_t EditorTest::storePerson(const std::string& name, double birth,
                                     const std::string& comments) {
    const std::string failure = modAgeCalc::SavePerson(0, name, birth, comments);
    EXPECT_EQ(failure, "");
    const auto all = rows();
    return all.empty() ? 0 : all.back().id;
}

void EditorTest::removeDatabase() {
    db_.remove();
}

void EditorTest::showActive() {
    dialog_->show();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
}

QLineEdit* EditorTest::txtName() const {
    return dialog_->findChild<QLineEdit*>("txtName");
}

QDateTimeEdit* EditorTest::mvBirth() const {
    return dialog_->findChild<QDateTimeEdit*>("mvBirth");
}

QPlainTextEdit* EditorTest::txtComments() const {
    return dialog_->findChild<QPlainTextEdit*>("txtComments");
}

QPushButton* EditorTest::button(const char* objectName) const {
    return dialog_->findChild<QPushButton*>(objectName);
}
