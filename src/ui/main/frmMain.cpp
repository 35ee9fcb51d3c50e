#include "ui/main/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "age/AgeCalc.h"
#include "platform/qt/ClickableImage.h"
#include "platform/qt/EnterClicksButton.h"
#include "platform/qt/Twips.h"
#include "platform/qt/list/ListView.h"
#include "resources/Artwork.h"
#include "store/Database.h"
#include "store/PersonRepository.h"
#include "ui/editor/ConfirmDelete.h"
#include "ui/editor/frmAEP.h"
#include "ui/legend/frmLegend.h"
#include "ui/main/AgeGroup.h"
#include "ui/main/FindBar.h"
#include "ui/main/PersonKey.h"
#include "ui/main/WindowPlacement.h"
#include "ui/upcoming/YearlessRow.h"
#include "ui/upcoming/frmUpcoming.h"

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("frmMain", "Orrindale Version 1.0");

// Design sizes and places, in twips.
constexpr double kClientWidth = 6870, kClientHeight = 3570;
constexpr double kButtonWidth = 555, kButtonHeight = 570;
constexpr double kListLeft = 0, kListTop = 600, kListWidth = 6855, kListHeight = 2895;
constexpr double kListMargin = 50;
constexpr QSize kButtonIcon(32, 32);

struct MenuEntry {
    const char* caption;
    QKeySequence shortcut;
};

const MenuEntry kMenuEntries[] = {
    {QT_TRANSLATE_NOOP("frmMain", "&Add New..."), QKeySequence(Qt::Key_F2)},
    {QT_TRANSLATE_NOOP("frmMain", "&Edit..."), QKeySequence(Qt::Key_F4)},
    {"-", {}},
    {QT_TRANSLATE_NOOP("frmMain", "&Delete"), QKeySequence(Qt::Key_Delete)},
    {"-", {}},
    {QT_TRANSLATE_NOOP("frmMain", "Refresh"), QKeySequence(Qt::Key_F5)},
    {"-", {}},
    {QT_TRANSLATE_NOOP("frmMain", "E&xit"), {}}};

const MenuEntry kViewEntries[] = {
    {QT_TRANSLATE_NOOP("frmMain", "Lar&ge Icons"), QKeySequence(Qt::Key_F11)},
    {QT_TRANSLATE_NOOP("frmMain", "&Detail"), QKeySequence(Qt::Key_F12)}};

constexpr int kExitEntry = 8;

// Now, to the whole second; day 0 should the clock ever give no valid date.
double NowAsDateValue() {
    const double now = modAgeCalc::NowValue();
    return std::isnan(now) ? 0.0 : now;
}

}  // namespace

frmMain::frmMain(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), ImlS_(QSize(16, 16)), ImlB_(QSize(32, 32)) {
    setWindowTitle(tr(kCaption));
    setWindowIcon(QIcon(QString::fromLatin1(artwork::kWindowIcon)));
    createImageLists();
    createControls();
    createMenus();
    setTabOrder();
    resize(platform::TwipsToPixels(kClientWidth),
           platform::TwipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    Form_Load(programFolder);
    dayTimer_ = new QTimer(this);
    dayTimer_->setObjectName(QStringLiteral("dayTimer"));
    dayTimer_->setSingleShot(true);
    connect(dayTimer_, &QTimer::timeout, this, &frmMain::onDayTimer);
    armDayTimer();
}

// The image lists go before the child widgets; the list must not draw from them then.
frmMain::~frmMain() {
    delete upcoming_.data();
    Lvw_->setImageLists(nullptr, nullptr);
}

// --- building the window ---------------------------------------------------------

void frmMain::createImageLists() {
    for (int group = 1; group <= artwork::kAgeGroupCount; ++group) {
        ImlS_.addFile(artwork::ageIconPath(group));
        ImlB_.addFile(artwork::ageIconPath(group));
    }
    // Image kAgeUnknown, right after the five.
    ImlS_.addFile(QString::fromLatin1(artwork::kAgeUnknown));
    ImlB_.addFile(QString::fromLatin1(artwork::kAgeUnknown));
}

QToolButton* frmMain::createButton(const char* name, const char* icon, const char* toolTip,
                                   double left) {
    auto* button = new QToolButton(client_);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setIconSize(kButtonIcon);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    // The tooltip is the button's only label, so screen readers get it as the name.
    button->setToolTip(tr(toolTip));
    button->setAccessibleName(tr(toolTip));
    button->setGeometry(platform::TwipsRect(left, 0, kButtonWidth, kButtonHeight));
    new platform::EnterClicksButton(*button);
    return button;
}

void frmMain::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(client_);
    client_->installEventFilter(this);
    createLegendImage();
    createButtons();
    createList();
    createFindBar();
}

void frmMain::createLegendImage() {
    imgLegend_ = new platform::ClickableImage(client_);
    imgLegend_->setObjectName(QStringLiteral("imgLegend"));
    imgLegend_->setGeometry(platform::TwipsRect(105, 45, 480, 480));
    imgLegend_->setPixmap(windowIcon().pixmap(kButtonIcon));
    imgLegend_->setToolTip(tr("Click here for Legend!"));
    imgLegend_->setAccessibleName(imgLegend_->toolTip());
    connect(imgLegend_, &platform::ClickableImage::clicked, this, &frmMain::imgLegend_Click);
}

// Clicks on the command buttons are refused while the list loads or the editor is
// open (onCommand); Exit goes through during a load, as closing waits for it.
void frmMain::createButtons() {
    cmdAdd_ = createButton("cmdAdd", artwork::kButtonAdd,
                           QT_TRANSLATE_NOOP("frmMain", "Add Person"), 720);
    cmdEdit_ = createButton("cmdEdit", artwork::kButtonEdit,
                            QT_TRANSLATE_NOOP("frmMain", "Edit Person"), 1320);
    cmdDelete_ = createButton("cmdDelete", artwork::kButtonDelete,
                              QT_TRANSLATE_NOOP("frmMain", "Remove Selected Person"), 1920);
    cmdRefresh_ = createButton("cmdRefresh", artwork::kButtonRefresh,
                               QT_TRANSLATE_NOOP("frmMain", "Refresh"), 2760);
    cmdView_[0] = createButton("cmdView_0", artwork::kButtonBigIcons,
                               QT_TRANSLATE_NOOP("frmMain", "View Big Icons"), 3600);
    cmdView_[1] = createButton("cmdView_1", artwork::kButtonDetails,
                               QT_TRANSLATE_NOOP("frmMain", "View Details"), 4200);
    cmdExit_ = createButton("cmdExit", artwork::kButtonExit,
                            QT_TRANSLATE_NOOP("frmMain", "Exit Program"), 5040);
    cmdDelete_->setEnabled(false);

    connect(cmdAdd_, &QToolButton::clicked, this, [this] { onCommand(&frmMain::cmdAdd_Click); });
    connect(cmdEdit_, &QToolButton::clicked, this, [this] { onCommand(&frmMain::cmdEdit_Click); });
    connect(cmdDelete_, &QToolButton::clicked, this,
            [this] { onCommand(&frmMain::cmdDelete_Click); });
    connect(cmdRefresh_, &QToolButton::clicked, this,
            [this] { onCommand(&frmMain::cmdRefresh_Click); });
    connect(cmdExit_, &QToolButton::clicked, this, [this] {
        if (!editor_) cmdExit_Click();
    });
    for (int index = 0; index < static_cast<int>(cmdView_.size()); ++index) {
        cmdView_[index]->setProperty("index", index);
        connect(cmdView_[index], &QToolButton::clicked, this,
                [this, index] { cmdView_Click(index); });
    }

    // cmdExit is the window's cancel button: Esc anywhere in the window presses it,
    // once a shown find bar has been closed.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WindowShortcut);
    connect(cancel, &QShortcut::activated, this, &frmMain::onEscape);
}

void frmMain::createList() {
    Lvw_ = new platform::ListView(client_);
    Lvw_->setObjectName(QStringLiteral("Lvw"));
    Lvw_->setGeometry(platform::TwipsRect(kListLeft, kListTop, kListWidth, kListHeight));
    Lvw_->setImageLists(&ImlS_, &ImlB_);
    connect(Lvw_, &platform::ListView::clicked, this, &frmMain::Lvw_Click);
    connect(Lvw_, &platform::ListView::doubleClicked, this, &frmMain::Lvw_DblClick);
    connect(Lvw_, &platform::ListView::columnClicked, this, &frmMain::Lvw_ColumnClick);
    connect(Lvw_, &platform::ListView::selectionChanged, this, &frmMain::showSelectionInButtons);
}

void frmMain::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Functions"));
    file->setObjectName(QStringLiteral("MenuFile"));
    for (int index = 1; index <= kMenuEntries; ++index) {
        const MenuEntry& entry = ::kMenuEntries[index - 1];
        // A "-" entry is a separator; given no text, no style draws the dash beside its line.
        const bool separator = QLatin1String(entry.caption) == QLatin1String("-");
        QAction* action = separator ? file->addSeparator() : file->addAction(tr(entry.caption));
        action->setObjectName(QStringLiteral("MnuMenu_%1").arg(index));
        action->setShortcut(entry.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        // Exit is let through during a load: closing then waits for the load to end.
        connect(action, &QAction::triggered, this, [this, index] {
            if (acceptsCommands() || (index == kExitEntry && !editor_)) MnuMenu_Click(index);
        });
        MnuMenu_[index] = action;
    }
    createExchangeEntries(file);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("MenuView"));
    for (int index = 1; index <= kViewEntries; ++index) {
        const MenuEntry& entry = ::kViewEntries[index - 1];
        QAction* action = view->addAction(tr(entry.caption));
        action->setObjectName(QStringLiteral("MnuView_%1").arg(index));
        action->setShortcut(entry.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, index] { MnuView_Click(index); });
        MnuView_[index] = action;
    }
    view->addSeparator();
    createFindEntry(view);
    createLegendEntry(view);
    createUpcomingEntries(view);
}

// The legend picture takes no focus; the menu entry makes the legend reachable by keyboard.
void frmMain::createLegendEntry(QMenu* view) {
    QAction* legend = view->addAction(tr("&Legend..."));
    legend->setObjectName(QStringLiteral("MnuLegend"));
    legend->setShortcut(QKeySequence(Qt::Key_F1));
    legend->setShortcutContext(Qt::WindowShortcut);
    connect(legend, &QAction::triggered, this, &frmMain::imgLegend_Click);
}

// Tab order: the list first, then Delete, Add, the two view buttons, Exit, Refresh, Edit.
void frmMain::setTabOrder() {
    const QWidget* chain[] = {Lvw_,        cmdDelete_, cmdAdd_,     cmdView_[0],
                              cmdView_[1], cmdExit_,   cmdRefresh_, cmdEdit_};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(chain[i]), const_cast<QWidget*>(chain[i + 1]));
}

// --- load, resize, close ---------------------------------------------------------

void frmMain::Form_Load(const QString& programFolder) {
    modAgeCalc::SetDatabaseFolder(modAgeCalc::WithTrailingSeparator(programFolder.toStdString()));
    InitLvw();
    LoadLvw(QString());
    LoadWinSettings();
}

// Only the list follows the window: it keeps its place and leaves a 50-twip margin at
// the right and the bottom. An extent that would come out negative (a window smaller
// than the margins) is left as it was.
//
// The find bar, while shown, takes its height from the bottom of the list.
void frmMain::Form_Resize() {
    const double clientWidth = platform::PixelsToTwips(client_->width());
    const double clientHeight = platform::PixelsToTwips(client_->height());
    const int bar = findBar_->isVisible() ? findBar_->sizeHint().height() : 0;
    const double height = clientHeight - platform::PixelsToTwips(Lvw_->y()) - kListMargin -
                          platform::PixelsToTwips(bar);
    if (height >= 0) Lvw_->resize(Lvw_->width(), platform::TwipsToPixels(height));
    const double width = clientWidth - platform::PixelsToTwips(Lvw_->x()) - kListMargin;
    if (width >= 0) Lvw_->resize(platform::TwipsToPixels(width), Lvw_->height());
    if (bar > 0) findBar_->setGeometry(Lvw_->x(), Lvw_->y() + Lvw_->height(), Lvw_->width(), bar);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

// Closing never gets cancelled; during a load it only waits until the load is over.
void frmMain::closeEvent(QCloseEvent* event) {
    if (loading_) {
        closePending_ = true;
        event->ignore();
        return;
    }
    SaveWinSettings();
    event->accept();
}

// --- commands --------------------------------------------------------------------

void frmMain::onCommand(void (frmMain::*command)()) {
    if (acceptsCommands()) (this->*command)();
}

// A modal editor blocks the window's input, yet a key or click can still slip through
// while the editor is coming up or yields; it must not open a second editor or change
// the list under the open one.
bool frmMain::acceptsCommands() const {
    return !loading_ && !editor_;
}

frmAEP* frmMain::editor() const {
    return editor_;
}

void frmMain::cmdAdd_Click() {
    runEditor(0, QString(), NowAsDateValue(), QString());
}

// The editor gets the stored birth with its time of day, not the list's date text,
// and the row as the list read it, so that it can tell whether someone else changed
// the person before it saves over it.
void frmMain::cmdEdit_Click() {
    const std::optional<std::int32_t> key = selectedPersonKey();
    if (!key) return;
    const int row = Lvw_->selectedRow();
    const double stored = Lvw_->rowBirth(row);
    runEditor(*key, Lvw_->cellText(row, kNameColumn), std::isnan(stored) ? 0.0 : stored,
              Lvw_->cellText(row, kCommentsColumn), Lvw_->rowStamp(row), yearlessOfRow(row, *key));
}

// The birthday of a row whose birth year is unknown, with its time of day, which only the
// database keeps; should that read fail, the month and day the row shows, at midnight.
// Not set for any other row (a stored text "12/08" also shows as "12/08", but the
// database tells it apart).
modAgeCalc::YearlessBirth frmMain::yearlessOfRow(int row, std::int32_t key) const {
    if (!std::isnan(Lvw_->rowBirth(row))) return {};
    const auto shown = upcoming::YearlessFromMonthDay(Lvw_->cellText(row, upcoming::kYearColumn));
    if (!shown) return {};
    std::optional<store::Person> person;
    store::RepositoryError error;
    if (!store::PersonRepository(modAgeCalc::DatabasePath()).ReadOne(key, person, error))
        return *shown;
    return person ? person->yearless : modAgeCalc::YearlessBirth{};
}

bool frmMain::listHasAgeUnknown() const {
    const platform::ListRowStore& rows = Lvw_->storedRows();
    for (int row = 0; row < rows.count(); ++row)
        if (rows.smallIcon(row) == personlist::kAgeUnknown) return true;
    return false;
}

// The list is reloaded whatever the answer, so a No also drops the selection. The row
// as the list read it goes along: a row changed or removed since is not deleted.
void frmMain::cmdDelete_Click() {
    const std::optional<std::int32_t> key = selectedPersonKey();
    if (!key) return;
    editor::ConfirmAndDeletePerson(*key, Lvw_->rowStamp(Lvw_->selectedRow()));
    LoadLvw(QString());
}

void frmMain::cmdRefresh_Click() {
    LoadLvw(QString());
}
void frmMain::onEscape() {
    if (!closeFindBar()) cmdExit_->click();
}

void frmMain::cmdExit_Click() {
    close();
}

void frmMain::cmdView_Click(int index) {
    if (index == 0) Lvw_->setViewMode(platform::ListView::ViewMode::LargeIcons);
    if (index == 1) Lvw_->setViewMode(platform::ListView::ViewMode::Details);
}

void frmMain::MnuMenu_Click(int index) {
    switch (index) {
        case 1:
            cmdAdd_Click();
            break;
        case 2:
            cmdEdit_Click();
            break;
        case 4:
            cmdDelete_Click();
            break;
        case 6:
            cmdRefresh_Click();
            break;
        case kExitEntry:
            cmdExit_Click();
            break;
        default:
            break;
    }
}

void frmMain::MnuView_Click(int index) {
    if (index == 1) cmdView_Click(0);
    if (index == 2) cmdView_Click(1);
}

std::optional<std::int32_t> frmMain::selectedPersonKey() const {
    const int row = Lvw_->selectedRow();
    if (row < 0) return std::nullopt;
    return personlist::PersonKeyOf(Lvw_->rowKey(row));
}

// The editor lives only while it is shown: each command builds it afresh, so no value
// of an earlier showing can carry over. It saves and reloads the list by itself.
void frmMain::runEditor(std::int32_t key, const QString& name, double birth,
                        const QString& comments, std::optional<std::uint64_t> rowAsRead,
                        modAgeCalc::YearlessBirth yearless) {
    if (editor_) return;
    editor_ = new frmAEP(this, [this] { LoadLvw(QString()); });
    if (yearless.IsSet())
        editor_->EditOr(key, name, yearless, comments);
    else
        editor_->EditOr(key, name, birth, comments);
    editor_->setRowAsRead(rowAsRead);
    editor_->exec();
    delete editor_.data();
}

void frmMain::imgLegend_Click() {
    frmLegend::ShowFor(this, ImlB_, listHasAgeUnknown());
}

// --- placement -------------------------------------------------------------------

void frmMain::LoadWinSettings() {
    placement::LoadWinSettings(*this);
}

void frmMain::SaveWinSettings() {
    placement::SaveWinSettings(*this);
}
