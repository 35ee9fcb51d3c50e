#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "age/YearlessBirth.h"
#include "platform/qt/ImageList.h"

class QAction;
class QKeySequence;
class QMenu;
class QTimer;
class QToolButton;
class FindBar;
class frmAEP;
class frmUpcoming;

namespace platform {
class ClickableImage;
class ListView;
}  // namespace platform

// The main window: the person list `Lvw` under a row of icon-only command buttons,
// with the "&Functions" and "&View" menus. Creating it runs the load sequence: the
// database folder (the program's folder), the list's columns, the list's rows, then
// the saved placement.
//
// Control names: the buttons are cmdAdd, cmdEdit, cmdDelete, cmdRefresh, cmdExit and
// the two view buttons cmdView_0 and cmdView_1 (elements 0 and 1 of the array cmdView;
// each also carries its element number as the property "index"). The menu entries are
// actions named MnuMenu_1 to MnuMenu_8 and MnuView_1 and MnuView_2 in the menus
// MenuFile and MenuView; after MnuMenu_8 the Functions menu holds MnuImport and
// MnuExport, which read and write people in other programs' file formats.
//
// While the list loads it lets window events through now and then. Commands given
// meanwhile are refused, a reload asked for is run once the load is over, and closing
// the window waits for the load to end.
//
// Beyond that: the "Upcoming Birthdays" window (View menu, F6; MnuUpcoming), which
// also opens at start-up when a birthday is near unless "Remind at Start-up"
// (MnuRemind) is off; the find bar (Ctrl+F) under the list that filters it; and a
// timer (dayTimer) that reloads the list when the day changes, so the ages stay right.
//
// Add and Edit show the person editor modally; it exists only while it is shown, and
// while it is shown the window's commands are refused, so that no second editor opens
// and nothing changes the list under it.
//
// frmMain.cpp builds the window and runs its commands; the list, the find bar, Import
// and Export, the upcoming birthdays and the day timer each have a frmMain*.cpp of their own.
class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    // `programFolder` holds the database file; the program passes the folder it chose.
    explicit frmMain(const QString& programFolder, QWidget* parent = nullptr);
    ~frmMain() override;

    void InitLvw();
    void LoadLvw(const QString& SQLFilter);
    void SetListButtons();
    void LoadWinSettings();
    void SaveWinSettings();

    platform::ListView* Lvw() const { return Lvw_; }
    const platform::ImageList& ImlS() const { return ImlS_; }
    const platform::ImageList& ImlB() const { return ImlB_; }
    bool isLoading() const { return loading_; }
    // The person editor while Add or Edit shows it, else nullptr.
    frmAEP* editor() const;
    // The program calls this once the window is shown: opens the upcoming birthdays
    // beside the window when one is within a week and the reminder is on.
    void RemindAtStartUp();
    frmUpcoming* upcomingWindow() const;
    FindBar* findBar() const { return findBar_; }

public slots:
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdRefresh_Click();
    void cmdExit_Click();
    void cmdView_Click(int index);
    void MnuMenu_Click(int index);
    void MnuView_Click(int index);
    void MnuImport_Click();
    void MnuExport_Click();
    void imgLegend_Click();
    void MnuUpcoming_Click();
    void Lvw_Click();
    void Lvw_DblClick();
    void Lvw_ColumnClick(int position);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kMenuEntries = 8;
    static constexpr int kViewEntries = 2;
    static constexpr int kNameColumn = 0;
    static constexpr int kCommentsColumn = 3;

    void Form_Load(const QString& programFolder);
    void Form_Resize();
    void createImageLists();
    void createControls();
    void createLegendImage();
    void createButtons();
    void createList();
    QToolButton* createButton(const char* name, const char* icon, const char* toolTip, double left);
    void createMenus();
    void createExchangeEntries(QMenu* menu);
    QAction* addCommandEntry(QMenu* menu, const QString& caption, const char* name,
                             const QKeySequence& shortcut, void (frmMain::*command)());
    void setTabOrder();
    void onCommand(void (frmMain::*command)());
    bool acceptsCommands() const;
    std::optional<std::int32_t> selectedPersonKey() const;
    void runEditor(std::int32_t key, const QString& name, double birth, const QString& comments,
                   std::optional<std::uint64_t> rowAsRead = std::nullopt,
                   modAgeCalc::YearlessBirth yearless = {});
    modAgeCalc::YearlessBirth yearlessOfRow(int row, std::int32_t key) const;
    bool listHasAgeUnknown() const;
    void runPendingAfterLoad();
    void createUpcomingEntries(QMenu* view);
    void createFindEntry(QMenu* view);
    void createLegendEntry(QMenu* view);
    void createFindBar();
    void showUpcoming(bool activate);
    void afterLoad();
    void armDayTimer();
    void onDayTimer();
    void onFindText(const QString& text);
    void showFindCount();
    void openMatch();
    bool closeFindBar();
    void onEscape();
    void showSelectionInButtons();

    platform::ImageList ImlS_;
    platform::ImageList ImlB_;
    QWidget* client_ = nullptr;
    platform::ClickableImage* imgLegend_ = nullptr;
    QToolButton* cmdAdd_ = nullptr;
    QToolButton* cmdEdit_ = nullptr;
    QToolButton* cmdDelete_ = nullptr;
    QToolButton* cmdRefresh_ = nullptr;
    std::array<QToolButton*, 2> cmdView_{};
    QToolButton* cmdExit_ = nullptr;
    platform::ListView* Lvw_ = nullptr;
    std::array<QAction*, kMenuEntries + 1> MnuMenu_{};  // numbered from 1
    std::array<QAction*, kViewEntries + 1> MnuView_{};  // numbered from 1
    QAction* MnuImport_ = nullptr;
    QAction* MnuExport_ = nullptr;

    bool loading_ = false;
    bool reloadPending_ = false;
    QString pendingFilter_;
    bool closePending_ = false;
    QPointer<frmAEP> editor_;
    QAction* MnuUpcoming_ = nullptr;
    QAction* MnuRemind_ = nullptr;
    QPointer<frmUpcoming> upcoming_;
    FindBar* findBar_ = nullptr;
    QTimer* dayTimer_ = nullptr;
    std::int32_t loadedDay_ = 0;  // the day the list's ages were worked out for
};
