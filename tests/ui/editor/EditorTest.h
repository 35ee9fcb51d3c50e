#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedMessageBox.h"
#include "TempDir.h"
#include "store/RawRead.h"
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
    std::vector<store::PersonRow> rows() const;
    store::PersonRow rowWithKey(std::int32_t key) const;
    void removeDatabase();

    // Shows the dialog non-modally and waits until it is the active window, so that
    // focus moves and key presses behave as for a user.
    void showActive();

    QLineEdit* txtName() const;
    QDateTimeEdit* mvBirth() const;
    QPlainTextEdit* txtComments() const;
    QPushButton* button(const char* objectName) const;

    testsupport::TempDir dir_;
    testsupport::ScriptedMessageBox boxes_;
    QWidget owner_;
    std::unique_ptr<frmAEP> dialog_;
    int reloads_ = 0;
    bool reloadThrows_ = false;
};
