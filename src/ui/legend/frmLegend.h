#pragma once

#include <QWidget>
#include <array>

#include "platform/qt/ImageList.h"

class QLabel;

// The small tool window that pairs the five age-group pictures with their captions. It
// is owned by the main window: it stays above it and closes with it.
class frmLegend final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRows = 5;

    // Opens the run's one legend over `owner`, modeless, with its pictures copied from
    // `imlB`; while that legend is open it is only brought to the front. Returns it.
    static frmLegend* ShowFor(QWidget* owner, const platform::ImageList& imlB);

    // A legend with blank pictures, not yet shown.
    explicit frmLegend(QWidget* owner = nullptr);

    // Copies images 1 to 5 of `imlB` into the rows; a row whose image cannot be had
    // stays blank.
    void LoadPictures(const platform::ImageList& imlB);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void addRow(int row);
    void centreOver(const QWidget& owner);

    std::array<QLabel*, kRows> pictures_{};
    bool centrePending_ = false;
};
