#pragma once

#include <QWidget>
#include <array>

#include "platform/qt/ImageList.h"

class QLabel;

// The small tool window that pairs the five age-group pictures with their captions, and
// below them, only while the list holds someone whose birth year is unknown, the
// picture of an unknown age. It is owned by the main window: it stays above it and
// closes with it.
class frmLegend final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kGroupRows = 5;
    static constexpr int kRows = kGroupRows + 1;  // the last row: an unknown age

    // Opens the run's one legend over `owner`, modeless, with its pictures copied from
    // `imlB`; while that legend is open it is only brought to the front. Either way it
    // shows the row of an unknown age when `withAgeUnknown` is set. Returns it.
    static frmLegend* ShowFor(QWidget* owner, const platform::ImageList& imlB,
                              bool withAgeUnknown = false);

    // Whether the run's legend is open, and showing or hiding its row of an unknown age.
    static bool IsOpen();
    static void ShowAgeUnknownInOpen(bool withAgeUnknown);

    // A legend with blank pictures, not yet shown.
    explicit frmLegend(QWidget* owner = nullptr);

    // Copies images 1 to 6 of `imlB` into the rows; a row whose image cannot be had
    // stays blank.
    void LoadPictures(const platform::ImageList& imlB);

    // The row of an unknown age shown, and the window made tall enough for it, or both
    // back as the five rows alone.
    void ShowAgeUnknown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void addRow(int row);
    void centreOver(const QWidget& owner);

    std::array<QLabel*, kRows> pictures_{};
    std::array<QLabel*, kRows> captions_{};
    bool centrePending_ = false;
};
