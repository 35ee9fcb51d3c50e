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
#include <algorithm>
#include <cmath>

#include "age/AgeCalc.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/qt/ClickableImage.h"
#include "platform/qt/EnterClicksButton.h"
#include "platform/qt/Twips.h"
#include "platform/qt/list/ListView.h"
#include "resources/Artwork.h"
#include "store/Database.h"
#include "ui/editor/ConfirmDelete.h"
#include "ui/editor/frmAEP.h"
#include "ui/legend/frmLegend.h"
#include "ui/main/FileExchange.h"
#include "ui/main/FindBar.h"
#include "ui/main/PersonKey.h"
#include "ui/main/PersonListLoader.h"
#include "ui/main/WindowPlacement.h"
#include "ui/upcoming/UpcomingBirthdays.h"
#include "ui/upcoming/UpcomingSettings.h"
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

constexpr int kNameColumn = 0;
constexpr int kCommentsColumn = 3;

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

    // cmdExit is the window's cancel button: Esc anywhere in the window presses it.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WindowShortcut);
    connect(cancel, &QShortcut::activated, cmdExit_, &QToolButton::click);
}

void frmMain::createList() {
    Lvw_ = new platform::ListView(client_);
    Lvw_->setObjectName(QStringLiteral("Lvw"));
    Lvw_->setGeometry(platform::TwipsRect(kListLeft, kListTop, kListWidth, kListHeight));
    Lvw_->setImageLists(&ImlS_, &ImlB_);
    connect(Lvw_, &platform::ListView::clicked, this, &frmMain::Lvw_Click);
    connect(Lvw_, &platform::ListView::doubleClicked, this, &frmMain::Lvw_DblClick);
    connect(Lvw_, &platform::ListView::columnClicked, this, &frmMain::Lvw_ColumnClick);
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
    createUpcomingEntries(view);
}

void frmMain::createUpcomingEntries(QMenu* view) {
    view->addSeparator();
    MnuUpcoming_ = view->addAction(tr("&Upcoming Birthdays"));
    MnuUpcoming_->setObjectName(QStringLiteral("MnuUpcoming"));
    MnuUpcoming_->setShortcut(QKeySequence(Qt::Key_F6));
    MnuUpcoming_->setShortcutContext(Qt::WindowShortcut);
    connect(MnuUpcoming_, &QAction::triggered, this, &frmMain::MnuUpcoming_Click);
    MnuRemind_ = view->addAction(tr("Remind at Start-up"));
    MnuRemind_->setObjectName(QStringLiteral("MnuRemind"));
    MnuRemind_->setCheckable(true);
    MnuRemind_->setChecked(upcoming::RemindAtStartUp());
    connect(MnuRemind_, &QAction::toggled, this,
            [](bool on) { upcoming::SaveRemindAtStartUp(on); });
}

void frmMain::createFindBar() {
    findBar_ = new FindBar(client_);
    connect(findBar_, &FindBar::textChanged, this, &frmMain::onFindText);
    connect(findBar_, &FindBar::firstMatchRequested, this, &frmMain::openFirstMatch);
    connect(findBar_, &FindBar::closed, this, [this] {
        Form_Resize();
        Lvw_->setFocus();
    });
    Lvw_->setFilterColumns({kNameColumn, kCommentsColumn});
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    find->setObjectName(QStringLiteral("findShortcut"));
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        findBar_->open();
        showFindCount();
        Form_Resize();
    });
}

// Import and Export follow the classic entries, so those keep their places and numbers.
void frmMain::createExchangeEntries(QMenu* menu) {
    menu->addSeparator()->setObjectName(QStringLiteral("MnuExchangeSeparator"));
    MnuImport_ = addCommandEntry(menu, tr("Import..."), "MnuImport",
                                 QKeySequence(Qt::CTRL | Qt::Key_I), &frmMain::MnuImport_Click);
    MnuExport_ = addCommandEntry(menu, tr("Export..."), "MnuExport",
                                 QKeySequence(Qt::CTRL | Qt::Key_E), &frmMain::MnuExport_Click);
}

QAction* frmMain::addCommandEntry(QMenu* menu, const QString& caption, const char* name,
                                  const QKeySequence& shortcut, void (frmMain::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { onCommand(command); });
    return action;
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

// --- the list --------------------------------------------------------------------

void frmMain::InitLvw() {
    Lvw_->clearColumns();
    Lvw_->clearRows();
    // Names and comments sort as a reader expects; Year and Age as plain text.
    Lvw_->addColumn(tr("Name"), 1515, Qt::AlignLeft, platform::SortAs::Names);
    Lvw_->addColumn(tr("Year"), 1140, Qt::AlignLeft);
    Lvw_->addColumn(tr("Age"), 3015, Qt::AlignLeft);
    Lvw_->addColumn(tr("Comments"), 3015, Qt::AlignLeft, platform::SortAs::Names);
    Lvw_->setViewMode(platform::ListView::ViewMode::Details);
}

// A load started while another one is yielding would clear the rows under it; it is
// run after the current load instead (the latest request wins).
void frmMain::LoadLvw(const QString& SQLFilter) {
    if (loading_) {
        reloadPending_ = true;
        pendingFilter_ = SQLFilter;
        return;
    }
    QString filter = SQLFilter;
    for (;;) {
        loading_ = true;
        personlist::PersonListLoader(*Lvw_).Run(filter.toStdString());
        loading_ = false;
        if (!reloadPending_) break;
        reloadPending_ = false;
        filter = pendingFilter_;
    }
    afterLoad();
    runPendingAfterLoad();
}

// The list's ages were just worked out for today; what depends on them follows.
void frmMain::afterLoad() {
    loadedDay_ = modAgeCalc::TodaySerial();
    if (upcoming_) upcoming_->refresh();
    if (findBar_->isVisible()) showFindCount();
}

// --- day change ------------------------------------------------------------------

// Wakes at the next midnight by the clock, but at least once a minute, so that a clock
// set forward or a machine waking from sleep is noticed soon.
void frmMain::armDayTimer() {
    const modAgeCalc::DateParts now = platform::Now();
    const int secondsLeft = 24 * 3600 - (now.hour * 3600 + now.minute * 60 + now.second);
    dayTimer_->start(std::clamp(secondsLeft * 1000 + 500, 500, 60 * 1000));
}

// A new day reloads the list (ages, age groups) and with it the upcoming birthdays.
// While the editor is open or a load runs, the next round tries again.
void frmMain::onDayTimer() {
    if (modAgeCalc::TodaySerial() != loadedDay_ && acceptsCommands()) LoadLvw(QString());
    armDayTimer();
}

// --- find bar --------------------------------------------------------------------

void frmMain::onFindText(const QString& text) {
    Lvw_->setFilter(text);
    showFindCount();
}

// The "no records" row counts as nobody.
void frmMain::showFindCount() {
    const platform::ListRowStore& rows = Lvw_->storedRows();
    const bool placeholder = rows.count() == 1 && rows.key(0).isEmpty();
    const int shown = Lvw_->rowCount() - (placeholder && Lvw_->positionOfStored(0) >= 0 ? 1 : 0);
    findBar_->showCount(shown, placeholder ? 0 : rows.count());
}

void frmMain::openFirstMatch() {
    if (Lvw_->rowCount() == 0) return;
    Lvw_->selectRow(0);
    onCommand(&frmMain::cmdEdit_Click);
}

void frmMain::runPendingAfterLoad() {
    if (!closePending_) return;
    closePending_ = false;
    close();
}

void frmMain::SetListButtons() {
    cmdDelete_->setEnabled(Lvw_->selectedRow() >= 0);
    cmdEdit_->setEnabled(cmdDelete_->isEnabled());
    platform::DoEvents();
}

void frmMain::Lvw_Click() {
    SetListButtons();
}

void frmMain::Lvw_DblClick() {
    if (Lvw_->rowCount() > 0) onCommand(&frmMain::cmdEdit_Click);
}

// A click on the header of the sort column reverses the order; a click on another
// header sorts by that column in the order last used.
void frmMain::Lvw_ColumnClick(int position) {
    const int previous = Lvw_->sortKey();
    Lvw_->setSortKey(position - 1);
    if (Lvw_->sortKey() == previous)
        Lvw_->setSortOrder(Lvw_->sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                   : Qt::AscendingOrder);
    Lvw_->setSorted(true);
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
              Lvw_->cellText(row, kCommentsColumn), Lvw_->rowStamp(row));
}

// The list is reloaded whatever the answer, so a No also drops the selection.
void frmMain::cmdDelete_Click() {
    const std::optional<std::int32_t> key = selectedPersonKey();
    if (!key) return;
    editor::ConfirmAndDeletePerson(*key);
    LoadLvw(QString());
}

void frmMain::cmdRefresh_Click() {
    LoadLvw(QString());
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

// The list shows what the import stored, or after a failed one what is there.
void frmMain::MnuImport_Click() {
    if (fileexchange::ImportFromFile()) LoadLvw(QString());
}

void frmMain::MnuExport_Click() {
    fileexchange::ExportToFile();
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
                        const QString& comments, std::optional<std::uint64_t> rowAsRead) {
    if (editor_) return;
    editor_ = new frmAEP(this, [this] { LoadLvw(QString()); });
    editor_->EditOr(key, name, birth, comments);
    editor_->setRowAsRead(rowAsRead);
    editor_->exec();
    delete editor_.data();
}

void frmMain::imgLegend_Click() {
    frmLegend::ShowFor(this, ImlB_);
}

// --- upcoming birthdays ----------------------------------------------------------

void frmMain::MnuUpcoming_Click() {
    showUpcoming(true);
}

frmUpcoming* frmMain::upcomingWindow() const {
    return upcoming_;
}

void frmMain::RemindAtStartUp() {
    if (!upcoming::RemindAtStartUp()) return;
    if (!upcoming::AnyUpcomingBirthday(Lvw_->storedRows(), modAgeCalc::TodaySerial(),
                                       upcoming::kReminderDays))
        return;
    showUpcoming(false);
}

// One window at a time; the reminder leaves the keyboard with the main window. A
// window that is hidden has been closed and only awaits deletion: a new one replaces it.
void frmMain::showUpcoming(bool activate) {
    if (upcoming_ && !upcoming_->isVisible()) upcoming_ = nullptr;
    if (!upcoming_) {
        upcoming_ = new frmUpcoming(this, *Lvw_, ImlS_);
        connect(
            upcoming_, &frmUpcoming::editRequested, this,
            [this](const QString& key, const QString& name, double birth, const QString& comments,
                   quint64 rowAsRead) {
                const std::optional<std::int32_t> person = personlist::PersonKeyOf(key);
                if (person && acceptsCommands())
                    runEditor(*person, name, std::isnan(birth) ? 0.0 : birth, comments,
                              rowAsRead);
            });
        upcoming_->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        upcoming_->placeBesideOwner();
        upcoming_->show();
        upcoming_->placeBesideOwner();
    }
    if (!activate) return;
    upcoming_->raise();
    upcoming_->activateWindow();
}

// --- placement -------------------------------------------------------------------

void frmMain::LoadWinSettings() {
    placement::LoadWinSettings(*this);
}

void frmMain::SaveWinSettings() {
    placement::SaveWinSettings(*this);
}
