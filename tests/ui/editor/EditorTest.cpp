#include "EditorTest.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "store/Database.h"
#include "store/PersonStore.h"
#include "store/Schema.h"

void EditorTest::SetUp() {
    modAgeCalc::SetDatabaseFolder(dir_.folder());
    std::string error;
    ASSERT_TRUE(store::CreateEmptyDatabase(modAgeCalc::DatabasePath(), error)) << error;
    dialog_ = std::make_unique<frmAEP>(&owner_, [this] {
        ++reloads_;
        if (reloadThrows_) throw std::runtime_error("list not reloaded");
    });
}

void EditorTest::TearDown() {
    dialog_.reset();
    modAgeCalc::SetDatabaseFolder(std::string());
}

std::int32_t EditorTest::storePerson(const std::string& name, double birth,
                                     const std::string& comments) {
    const std::string failure = modAgeCalc::SavePerson(0, name, birth, comments);
    EXPECT_EQ(failure, "");
    const auto all = rows();
    return all.empty() ? 0 : all.back().id;
}

std::vector<store::PersonRow> EditorTest::rows() const {
    std::vector<store::PersonRow> all;
    std::string error;
    EXPECT_TRUE(store::ReadAllPersonsRaw(modAgeCalc::DatabasePath(), all, error)) << error;
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return all;
}

store::PersonRow EditorTest::rowWithKey(std::int32_t key) const {
    for (const auto& row : rows())
        if (row.id == key) return row;
    ADD_FAILURE() << "no row with the key " << key;
    return {};
}

void EditorTest::removeDatabase() {
    std::filesystem::remove(modAgeCalc::DatabasePath());
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
