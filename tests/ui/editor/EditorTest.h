#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "ui/editor/frmAEP.h"

class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A person editor over an empty database in a temporary folder, owned by a plain
// window, with message boxes answered from a script and the reloads of the owner's
// list counted.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a person straight through the store and returns the key it got.
    std::int32_t storePerson(const std::string& name, double birth, const std::string& comments);
    std::vector<testsupport::TestDatabase::TextRow> rows() const { return db_.textRows(); }
    testsupport::TestDatabase::TextRow rowWithKey(std::int32_t key) const {
        return db_.textRowWithKey(key);
    }
    void removeDatabase();

    // Shows the dialog non-modally and waits until it is the active window, so that
    // focus moves and key presses behave as for a user.
    void showActive();

    QLineEdit* txtName() const;
    QDateTimeEdit* mvBirth() const;
    QPlainTextEdit* txtComments() const;
    QPushButton* button(const char* objectName) const;

    testsupport::TestDatabase db_;
    testsupport::ScriptedMessageBox boxes_;
    QWidget owner_;
    std::unique_ptr<frmAEP> dialog_;
    int reloads_ = 0;
    bool reloadThrows_ = false;
};
