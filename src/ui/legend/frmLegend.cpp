#include "ui/legend/frmLegend.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include "platform/qt/ToolWindowKeys.h"
#include "platform/qt/Twips.h"

namespace {

constexpr std::array<const char*, frmLegend::kRows> kCaptions = {
    QT_TRANSLATE_NOOP("frmLegend", "Baby - 0 to 16"),
    QT_TRANSLATE_NOOP("frmLegend", "Child - 16 to 18"),
    QT_TRANSLATE_NOOP("frmLegend", "Young Adult 18-21"),
    QT_TRANSLATE_NOOP("frmLegend", "Adult 21 - 60"),
    QT_TRANSLATE_NOOP("frmLegend", "Senior 60 +"),
    QT_TRANSLATE_NOOP("frmLegend", "Age unknown")};

// Layout in twips: rows 600 apart, each caption 120 below the top of its picture.
constexpr double kRowPitch = 600;
constexpr double kPictureLeft = 120, kPictureTop = 120, kPictureSide = 480;
constexpr double kCaptionLeft = 720, kCaptionTop = 240, kCaptionWidth = 1815, kCaptionHeight = 255;
constexpr double kClientWidth = 2820, kClientHeight = 3255;  // with the five rows
constexpr int kPicturePixels = 32;

QPixmap BlankPicture() {
    QPixmap blank(kPicturePixels, kPicturePixels);
    blank.fill(Qt::white);
    return blank;
}

}  // namespace

namespace {
// The run's one legend while it exists.
QPointer<frmLegend>& Current() {
    static QPointer<frmLegend> current;
    return current;
}
}  // namespace

bool frmLegend::IsOpen() {
    return Current() && Current()->isVisible();
}

void frmLegend::ShowAgeUnknownInOpen(bool withAgeUnknown) {
    if (Current()) Current()->ShowAgeUnknown(withAgeUnknown);
}

frmLegend* frmLegend::ShowFor(QWidget* owner, const platform::ImageList& imlB,
                              bool withAgeUnknown) {
    QPointer<frmLegend>& current = Current();
    if (current && current->isVisible()) {
        current->ShowAgeUnknown(withAgeUnknown);
        current->raise();
        current->activateWindow();
        return current;
    }
    // A legend that is hidden is on its way out (closed, awaiting deletion).
    if (current) current->deleteLater();
    current = new frmLegend(owner);
    current->LoadPictures(imlB);
    current->ShowAgeUnknown(withAgeUnknown);
    if (owner) current->centreOver(*owner);
    current->show();
    if (owner) current->centreOver(*owner);
    return current;
}

frmLegend::frmLegend(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName("frmLegend");
    setWindowTitle(tr("Legend"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    for (int row = 0; row < kRows; ++row) addRow(row);
    ShowAgeUnknown(false);
    if (owner) owner->installEventFilter(this);
    // Keys pressed here never run the main window's commands; Esc closes the legend.
    new platform::ToolWindowKeys(*this);
}

void frmLegend::addRow(int row) {
    const double offset = row * kRowPitch;
    auto* picture = new QLabel(this);
    picture->setObjectName(QString("imgAry_%1").arg(row + 1));
    picture->setGeometry(
        platform::TwipsRect(kPictureLeft, kPictureTop + offset, kPictureSide, kPictureSide));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(BlankPicture());
    pictures_[row] = picture;

    auto* caption = new QLabel(tr(kCaptions[row]), this);
    caption->setObjectName(QString("Label1_%1").arg(row));
    caption->setGeometry(
        platform::TwipsRect(kCaptionLeft, kCaptionTop + offset, kCaptionWidth, kCaptionHeight));
    captions_[row] = caption;
}

void frmLegend::ShowAgeUnknown(bool shown) {
    pictures_[kGroupRows]->setVisible(shown);
    captions_[kGroupRows]->setVisible(shown);
    setFixedSize(platform::TwipsSize(kClientWidth, kClientHeight + (shown ? kRowPitch : 0)));
}

void frmLegend::LoadPictures(const platform::ImageList& imlB) {
    for (int row = 0; row < kRows; ++row) {
        QPixmap picture;
        const bool copied = imlB.picture(row + 1, picture, devicePixelRatioF());
        pictures_[row]->setPixmap(copied ? picture : BlankPicture());
    }
}

bool frmLegend::eventFilter(QObject* watched, QEvent* event) {
    // The owner hidden by the program (closing, not minimising) takes the legend along.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QWidget::eventFilter(watched, event);
}

void frmLegend::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Some window managers add the frame only after the window is on screen, which
    // shifts it off the centre it was given; centre it once more when that happens.
    if (centrePending_ && parentWidget() && frameGeometry().size() != size())
        centreOver(*parentWidget());
}

void frmLegend::centreOver(const QWidget& owner) {
    const QRect area = owner.frameGeometry();
    const QSize outer = frameGeometry().size();
    // Until the frame is known the centre is only provisional.
    centrePending_ = outer == size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}
