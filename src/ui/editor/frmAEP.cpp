#include "ui/editor/frmAEP.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <algorithm>
#include <limits>
#include <utility>

#include "age/AgeCalc.h"
#include "age/DateValue.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "platform/qt/Twips.h"
#include "resources/Artwork.h"
#include "store/PersonStore.h"
#include "ui/editor/BirthPicker.h"
#include "ui/editor/ConfirmDelete.h"
#include "ui/editor/PickerDateTime.h"
#include "ui/editor/ReentryGuard.h"

namespace {

constexpr int kAddSave = 0;
constexpr int kClose = 1;

constexpr char kPickerFormat[] = "MM/dd/yyyy HH:mm:ss";
// While the year is unknown its field shows dashes, as the stored form "--MM-DD" does,
// and takes no typing. The picker keeps a leap year behind them, so that 29 February
// can be chosen.
constexpr char kYearUnknownFormat[] = "MM/dd/'----' HH:mm:ss";
constexpr int kYearUnknownPickerYear = 2000;
constexpr const char* kNameEmptyMessage = QT_TRANSLATE_NOOP("frmAEP", "Name Cannot be empty");
constexpr const char* kChangedOutsideQuestion = QT_TRANSLATE_NOOP(
    "frmAEP", "This person was changed outside this window since the list was loaded. Save anyway?");
constexpr const char* kDeletedOutsideQuestion =
    QT_TRANSLATE_NOOP("frmAEP",
                      "This person was deleted outside this window since the list was loaded. "
                      "Add them again?");

constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The text of a plain-text box. toPlainText() would turn non-breaking spaces into
// plain ones; the raw text keeps them and only needs its paragraph breaks mapped.
QString TextOf(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(true);
    return button;
}

QLabel* MakeLabel(QWidget* parent, int index, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setProperty("index", index);
    return label;
}

// The picker's date-time moved to `year`; a 29 February becomes the 28th in a common year.
QDateTime InYear(const QDateTime& shown, int year) {
    const QDate date = shown.date();
    const int day = std::min(date.day(), modAgeCalc::DaysInMonthOf(year, date.month()));
    return QDateTime(QDate(year, date.month(), day), shown.time(), Qt::UTC);
}

modAgeCalc::YearlessBirth YearlessOf(const QDateTime& shown) {
    return {shown.date().month(), shown.date().day(), shown.time().hour(), shown.time().minute(),
            shown.time().second()};
}

int ThisYear() {
    int year = 0, month = 0, day = 0;
    modAgeCalc::CivilFromSerial(modAgeCalc::TodaySerial(), year, month, day);
    return year;
}

}  // namespace

frmAEP::frmAEP(QWidget* owner, std::function<void()> reloadList)
    : QDialog(owner, kDialogFlags), reloadList_(std::move(reloadList)) {
    setObjectName(QStringLiteral("frmAEP"));
    setWindowTitle(tr("Person"));
    setFixedSize(platform::TwipsSize(4785, 2520));
    setSizeGripEnabled(false);
    createControls();
    placeControls();
    orderTabs();
    connectHandlers();
    showPicture();
}

void frmAEP::createControls() {
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));

    Label1_[0] = MakeLabel(this, 0, tr("Name:"));
    Label1_[1] = MakeLabel(this, 1, tr("Comments:"));
    Label1_[2] = MakeLabel(this, 2, tr("Date:"));

    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setMaxLength(std::numeric_limits<int>::max());

    mvBirth_ = new BirthPicker(this);
    mvBirth_->setObjectName(QStringLiteral("mvBirth"));
    mvBirth_->setTimeSpec(Qt::UTC);
    mvBirth_->setDateTimeRange(editor::PickerMinimum(), editor::PickerMaximum());
    mvBirth_->setDisplayFormat(QLatin1String(kPickerFormat));
    mvBirth_->setCalendarPopup(true);

    // Out of the Tab order, which stays that of the fields and buttons; Alt+U reaches it.
    chkYearUnknown_ = new QCheckBox(tr("Year &unknown"), this);
    chkYearUnknown_->setObjectName(QStringLiteral("chkYearUnknown"));
    chkYearUnknown_->setFocusPolicy(Qt::NoFocus);

    txtComments_ = new QPlainTextEdit(this);
    txtComments_->setObjectName(QStringLiteral("txtComments"));
    txtComments_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComments_->setTabChangesFocus(true);

    for (int index = 0; index < 2; ++index) {
        const QString name = QStringLiteral("cmdAE_%1").arg(index);
        cmdAE_[index] = MakeButton(this, name.toLatin1().constData(), QString());
        cmdAE_[index]->setProperty("index", index);
    }
    cmdAE_[kAddSave]->setText(tr("Add"));
    cmdAE_[kAddSave]->setDefault(true);
    cmdAE_[kClose]->setText(tr("Close"));

    cmdDup_ = MakeButton(this, "cmdDup", tr("Duplicate"));
    cmdDelete_ = MakeButton(this, "cmdDelete", tr("Delete"));
    cmdDelete_->setToolTip(tr("Delete this Person"));
    cmdDelete_->hide();
}

void frmAEP::placeControls() {
    using platform::TwipsRect;
    Image1_->setGeometry(TwipsRect(120, 120, 480, 480));
    Label1_[0]->setGeometry(TwipsRect(720, 240, 1455, 255));
    txtName_->setGeometry(TwipsRect(720, 480, 2700, 285));
    Label1_[2]->setGeometry(TwipsRect(720, 840, 1455, 255));
    mvBirth_->setGeometry(TwipsRect(720, 1080, 2700, 285));
    // Beside the "Date:" caption, ending where the picker ends, as wide as its caption
    // needs in the font in use.
    const QRect besideDate = TwipsRect(720, 840, 2700, 255);
    const int width = std::min(chkYearUnknown_->sizeHint().width(), besideDate.width());
    chkYearUnknown_->setGeometry(besideDate.right() + 1 - width, besideDate.top(), width,
                                 besideDate.height());
    chkYearUnknown_->raise();
    Label1_[1]->setGeometry(TwipsRect(720, 1440, 1455, 255));
    txtComments_->setGeometry(TwipsRect(720, 1680, 2700, 735));
    cmdAE_[kAddSave]->setGeometry(TwipsRect(3720, 120, 975, 375));
    cmdAE_[kClose]->setGeometry(TwipsRect(3720, 600, 975, 375));
    cmdDup_->setGeometry(TwipsRect(3720, 1440, 975, 375));
    cmdDelete_->setGeometry(TwipsRect(3720, 1920, 975, 375));
}

void frmAEP::orderTabs() {
    QWidget* const order[] = {txtName_,       mvBirth_, txtComments_, cmdAE_[kAddSave],
                              cmdAE_[kClose], cmdDup_,  cmdDelete_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmAEP::connectHandlers() {
    connect(cmdAE_[kAddSave], &QPushButton::clicked, this, [this] { cmdAE_Click(kAddSave); });
    connect(cmdAE_[kClose], &QPushButton::clicked, this, [this] { cmdAE_Click(kClose); });
    connect(cmdDup_, &QPushButton::clicked, this, [this] { cmdDup_Click(); });
    connect(cmdDelete_, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(txtName_, &QLineEdit::textChanged, this, [this] { txtName_Change(); });
    connect(chkYearUnknown_, &QCheckBox::toggled, this, [this] { chkYearUnknown_Click(); });
    connect(txtComments_, &QPlainTextEdit::textChanged, this, [this] { txtComments_Change(); });

    // The picker's focus sits on its inner line edit on some styles and on the picker
    // itself on others; watching both catches every way out.
    mvBirth_->installEventFilter(this);
    if (auto* pickerText = mvBirth_->findChild<QLineEdit*>()) pickerText->installEventFilter(this);
}

void frmAEP::showPicture() {
    const QIcon picture{QLatin1String(artwork::kPersonPicture)};
    setWindowIcon(picture);
    Image1_->setPixmap(picture.pixmap(QSize(32, 32)));
}

void frmAEP::EditOr(std::int32_t lngKey, const QString& strName, double dtmBirth,
                    const QString& strComment) {
    personKey_ = lngKey;
    rowAsRead_.reset();
    setPersonName(strName);
    setPersonBirth(dtmBirth);
    setPersonComments(strComment);
    showMode();
    // A dialog shown again keeps its last focus; each showing starts at the name.
    txtName_->setFocus(Qt::OtherFocusReason);
}

void frmAEP::EditOr(std::int32_t lngKey, const QString& strName,
                    const modAgeCalc::YearlessBirth& birth, const QString& strComment) {
    EditOr(lngKey, strName, 0.0, strComment);
    setPersonYearless(birth);
}

void frmAEP::showMode() {
    const bool editing = personKey_ != 0;
    setWindowTitle(editing ? tr("Edit Person") : tr("Add New Person"));
    cmdAE_[kAddSave]->setText(editing ? tr("&Save") : tr("&Add"));
    cmdDelete_->setVisible(editing);
    cmdDup_->setVisible(editing);
}

void frmAEP::setPersonName(const QString& vNewValue) {
    name_ = vNewValue;
    txtName_->setText(vNewValue);
}

void frmAEP::setPersonBirth(double vNewValue) {
    birth_ = vNewValue;
    birthChanged_ = false;
    showYearUnknown(false);
    mvBirth_->setDateTime(editor::PickerDateTimeFromValue(vNewValue));
    birthAsShown_ = mvBirth_->dateTime();
    mvBirth_->update();
}

void frmAEP::setPersonYearless(const modAgeCalc::YearlessBirth& birth) {
    if (!modAgeCalc::IsValidYearless(birth)) return;
    birth_ = std::numeric_limits<double>::quiet_NaN();  // no date-time without a year
    birthChanged_ = false;
    showYearUnknown(true);
    yearBeforeUnknown_ = 0;  // the stand-in shown before is no year of this person's
    mvBirth_->setDateTime(QDateTime(QDate(kYearUnknownPickerYear, birth.month, birth.day),
                                    QTime(birth.hour, birth.minute, birth.second), Qt::UTC));
    yearless_ = birth;
    birthAsShown_ = mvBirth_->dateTime();
    mvBirth_->update();
}

// The box and the picker's year field as the year is known or not; the picker's month,
// day and time stay. A year taken away and given back comes back as it was (a person
// first shown without one gets this year's).
void frmAEP::showYearUnknown(bool unknown) {
    {
        const QSignalBlocker quiet(chkYearUnknown_);
        chkYearUnknown_->setChecked(unknown);
    }
    const bool wasUnknown = !mvBirth_->displayFormat().contains(QLatin1String("yyyy"));
    if (unknown == wasUnknown) return;
    const QDateTime shown = mvBirth_->dateTime();
    if (unknown) {
        yearBeforeUnknown_ = shown.date().year();
        mvBirth_->setDisplayFormat(QLatin1String(kYearUnknownFormat));
        mvBirth_->setDateTime(InYear(shown, kYearUnknownPickerYear));
    } else {
        yearless_ = {};
        mvBirth_->setDisplayFormat(QLatin1String(kPickerFormat));
        mvBirth_->setDateTime(
            InYear(shown, yearBeforeUnknown_ != 0 ? yearBeforeUnknown_ : ThisYear()));
    }
}

void frmAEP::chkYearUnknown_Click() {
    // Whatever is typed in the picker counts before its year goes or comes back.
    mvBirth_->interpretText();
    showYearUnknown(chkYearUnknown_->isChecked());
    takeBirthFromPicker();
    birthChanged_ = true;
}

void frmAEP::setPersonComments(const QString& vNewValue) {
    comments_ = vNewValue;
    commentsGiven_ = vNewValue;
    {
        // The change handler needs to know how the box shows the new text before it
        // runs, so it runs by hand once the text is in.
        const QSignalBlocker quiet(txtComments_);
        txtComments_->setPlainText(vNewValue);
    }
    commentsAsShown_ = TextOf(txtComments_);
    txtComments_Change();
}

void frmAEP::txtName_Change() {
    name_ = txtName_->text();
}

void frmAEP::txtComments_Change() {
    const QString shown = TextOf(txtComments_);
    comments_ = shown == commentsAsShown_ ? commentsGiven_ : shown;
}

void frmAEP::mvBirth_Validate() {
    takeBirthFromPicker();
}

void frmAEP::takeBirthFromPicker() {
    // Text typed into the picker counts only once it is interpreted.
    mvBirth_->interpretText();
    const QDateTime shown = mvBirth_->dateTime();
    if (chkYearUnknown_->isChecked()) {
        if (shown == birthAsShown_ && yearless_.IsSet()) return;
        yearless_ = YearlessOf(shown);
        birthAsShown_ = shown;
        birthChanged_ = true;
        return;
    }
    if (shown == birthAsShown_ && editor::IsDateValue(birth_)) return;
    birth_ = editor::ValueFromPickerDateTime(shown);
    birthAsShown_ = shown;
    birthChanged_ = true;
}

bool frmAEP::eventFilter(QObject* watched, QEvent* event) {
    const bool picker = watched == mvBirth_ || watched->parent() == mvBirth_;
    if (picker && event->type() == QEvent::FocusOut) mvBirth_Validate();
    return QDialog::eventFilter(watched, event);
}

void frmAEP::setVisible(bool visible) {
    // QDialog centres itself on its owner only while it has not been placed; clearing
    // the mark centres it on every showing.
    if (visible) setAttribute(Qt::WA_Moved, false);
    QDialog::setVisible(visible);
}

void frmAEP::reject() {
    if (busy_) return;
    cmdAE_Click(kClose);
}

void frmAEP::cmdAE_Click(int index) {
    if (busy_) return;
    const ReentryGuard guard(busy_);
    platform::RunStep([this] { takeBirthFromPicker(); });
    platform::RunStep(platform::DoEvents);
    if (index == kClose) {
        QDialog::reject();
        return;
    }
    if (nameIsEmpty()) {
        platform::RunStep([] {
            platform::MsgBox(tr(kNameEmptyMessage).toStdString(), platform::Buttons::OkOnly,
                             platform::kProgramTitle);
        });
        return;
    }
    finishSaveAttempt(personKey_ == 0 ? savePerson(0) : saveShownPerson());
}

void frmAEP::cmdDup_Click() {
    if (busy_) return;
    const ReentryGuard guard(busy_);
    // Where a click does not move the focus (buttons take no focus on some systems),
    // the picker was never validated; take its value here as well.
    platform::RunStep([this] { takeBirthFromPicker(); });
    finishSaveAttempt(savePerson(0));
}

void frmAEP::cmdDelete_Click() {
    if (busy_ || personKey_ == 0) return;
    const ReentryGuard guard(busy_);
    const editor::DeleteAnswer answer = editor::ConfirmAndDeletePerson(personKey_, rowAsRead_);
    if (answer == editor::DeleteAnswer::Declined) return;
    reloadMainList();
    // A row changed outside was left alone: the user's view of it stays open.
    if (answer == editor::DeleteAnswer::Deleted) accept();
}

bool frmAEP::nameIsEmpty() const {
    return txtName_->text().isEmpty();
}

bool frmAEP::savePerson(std::int32_t key) {
    std::string failure = "not saved";
    const modAgeCalc::SaveRequest request{
        key, name_.toStdString(), birth_, comments_.toStdString(), std::nullopt, yearless_};
    platform::RunStep([&] { modAgeCalc::SavePerson(request, failure); });
    return failure.empty();
}

// Saves the shown person over its stored row, unless that row was changed or removed
// since the list read it and the user, asked, does not want to overwrite it. The birth
// of a row read from the list, left untouched, stays exactly as stored: the picker can
// show neither a birth that reads as no date nor fractions of a second.
bool frmAEP::saveShownPerson() {
    const bool keepStoredBirth = rowAsRead_ && !birthChanged_;
    modAgeCalc::SaveRequest request{personKey_,
                                    name_.toStdString(),
                                    keepStoredBirth ? std::nullopt : std::optional(birth_),
                                    comments_.toStdString(),
                                    rowAsRead_,
                                    keepStoredBirth ? modAgeCalc::YearlessBirth{} : yearless_};
    auto outcome = modAgeCalc::SaveOutcome::Failed;
    std::string failure;
    platform::RunStep([&] { outcome = modAgeCalc::SavePerson(request, failure); });
    switch (outcome) {
        case modAgeCalc::SaveOutcome::ChangedOutside:
            if (!askYesNo(kChangedOutsideQuestion)) return false;
            request.readAs.reset();
            outcome = modAgeCalc::SaveOutcome::Failed;
            platform::RunStep([&] { outcome = modAgeCalc::SavePerson(request, failure); });
            return outcome == modAgeCalc::SaveOutcome::Saved;
        case modAgeCalc::SaveOutcome::DeletedOutside:
            // The row is gone, so there is nothing to save over: the person goes in anew.
            return askYesNo(kDeletedOutsideQuestion) && savePerson(0);
        default:
            return outcome == modAgeCalc::SaveOutcome::Saved;
    }
}

// Yes/No with No as the default button: the answers here can overwrite or bring back
// someone else's change.
bool frmAEP::askYesNo(const char* question) {
    auto answer = platform::MsgAnswer::No;
    platform::RunStep([&] {
        answer = platform::MsgBox(
            tr(question).toStdString(),
            platform::Buttons::YesNo | platform::Icon::Question | platform::DefaultButton::Second,
            platform::kProgramTitle);
    });
    return answer == platform::MsgAnswer::Yes;
}

void frmAEP::finishSaveAttempt(bool saved) {
    reloadMainList();
    if (saved) accept();
}

void frmAEP::reloadMainList() {
    if (reloadList_) platform::RunStep(reloadList_);
}
