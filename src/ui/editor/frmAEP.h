#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "age/YearlessBirth.h"
#include "store/PersonStamp.h"

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The person editor: a modal dialog in which the user adds one new person (key 0) or
// changes, duplicates or deletes one stored person. The owner creates it hidden,
// hands it one person through EditOr and shows it; the dialog writes through the
// person store and asks the owner to reload its list after every save attempt and
// after a delete.
//
// Controls carry their design names as objectName. The two buttons of the Add/Save
// and Close pair are "cmdAE_0" and "cmdAE_1", and the labels "Label1_0" to "Label1_2";
// each also holds its number in the dynamic property "index".
class frmAEP : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString PersonName READ PersonName WRITE setPersonName)
    Q_PROPERTY(double PersonBirth READ PersonBirth WRITE setPersonBirth)
    Q_PROPERTY(QString PersonComments READ PersonComments WRITE setPersonComments)

public:
    // `reloadList` refills the owner's list of people; it may be empty.
    frmAEP(QWidget* owner, std::function<void()> reloadList);

    // Shows one person: key 0 switches to add mode, any other key to edit mode for
    // the stored person with that key.
    void EditOr(std::int32_t lngKey, const QString& strName, double dtmBirth,
                const QString& strComment);
    // The same for a person whose birth year is unknown: "Year unknown" is checked.
    void EditOr(std::int32_t lngKey, const QString& strName, const modAgeCalc::YearlessBirth& birth,
                const QString& strComment);

    // The stamp of the shown person's row as the list read it, given after EditOr. Save
    // then first checks that the stored row is still so, and asks before it overwrites
    // a row changed or removed meanwhile by someone else; a birth the user leaves alone
    // stays as stored. EditOr clears it.
    void setRowAsRead(std::optional<store::PersonStamp> stamp) { rowAsRead_ = stamp; }

    QString PersonName() const { return name_; }
    void setPersonName(const QString& vNewValue);
    double PersonBirth() const { return birth_; }
    void setPersonBirth(double vNewValue);
    // Set while "Year unknown" is checked: the birthday that is saved in place of the birth.
    modAgeCalc::YearlessBirth PersonYearless() const { return yearless_; }
    void setPersonYearless(const modAgeCalc::YearlessBirth& birth);
    QString PersonComments() const { return comments_; }
    void setPersonComments(const QString& vNewValue);

    void setVisible(bool visible) override;

public slots:
    // Esc and the close box: runs Close, unless a save or delete is under way.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void placeControls();
    void orderTabs();
    void connectHandlers();
    void showPicture();

    void cmdAE_Click(int index);
    void cmdDup_Click();
    void cmdDelete_Click();
    void txtName_Change();
    void txtComments_Change();
    void mvBirth_Validate();
    void chkYearUnknown_Click();
    void showYearUnknown(bool unknown);

    void takeBirthFromPicker();
    bool nameIsEmpty() const;
    bool savePerson(std::int32_t key);
    bool saveShownPerson();
    bool askYesNo(const char* question);
    void finishSaveAttempt(bool saved);
    void reloadMainList();
    void showMode();

    QLabel* Image1_ = nullptr;
    QLabel* Label1_[3] = {};
    QLineEdit* txtName_ = nullptr;
    QDateTimeEdit* mvBirth_ = nullptr;
    QCheckBox* chkYearUnknown_ = nullptr;
    QPlainTextEdit* txtComments_ = nullptr;
    QPushButton* cmdAE_[2] = {};
    QPushButton* cmdDup_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;

    std::function<void()> reloadList_;

    std::int32_t personKey_ = 0;
    QString name_;
    double birth_ = 0.0;
    modAgeCalc::YearlessBirth yearless_;  // set while the year is unknown
    int yearBeforeUnknown_ = 0;           // the year the picker showed before the box was checked
    QString comments_;
    std::optional<store::PersonStamp> rowAsRead_;
    // Whether the user changed the held birth EditOr gave, so that a save of a row read
    // from the list can leave its birth exactly as stored (also one that reads as no date).
    bool birthChanged_ = false;

    // What the picker showed right after the birth was set: while it still shows
    // this, the held birth is kept exactly as given (the picker only shows whole
    // seconds within its range).
    QDateTime birthAsShown_;
    // The comments as given and as the text box shows them (it turns CR LF into a
    // line feed): while the box still shows them, the held comments stay as given.
    QString commentsGiven_;
    QString commentsAsShown_;

    // True while a save or delete runs; clicks that the event pump delivers
    // meanwhile are ignored.
    bool busy_ = false;
};
