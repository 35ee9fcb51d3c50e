#include "ui/main/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QWidget>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "platform/RunStep.h"
#include "platform/Screen.h"
#include "platform/Settings.h"
#include "platform/qt/Twips.h"

namespace placement {

namespace {

constexpr double kScreenMarginTwips = 100;
// A window narrower or lower than this (100 pixels) is too small to be found on screen.
constexpr double kSmallestExtentTwips = 1500;
constexpr const char* kDefaultWidth = "6990";
constexpr const char* kDefaultHeight = "4245";
constexpr const char* kFrameFitName = "marrowtide-frame-fit";

// Twips to whole pixels, nearest pixel with halves away from zero. A value beyond what a
// window can take is refused, as the windowing system would refuse it.
std::optional<int> PixelsOf(double twips) {
    const double pixels = std::round(twips / platform::kTwipsPerPixel);
    if (!(std::abs(pixels) <= QWIDGETSIZE_MAX)) return std::nullopt;
    return static_cast<int>(pixels);
}

QSize FrameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

// Until a window has been shown its frame is unknown, so an outer size can only be given
// to the client area, and the window would come up larger by its frame (and grow by it
// on every run). This finishes the job once the frame turns up: at the first show, move
// or resize that knows the frame, the client shrinks by the frame, unless its size has
// changed in the meantime for another reason.
class FrameFit final : public QObject {
public:
    FrameFit(QWidget& window, QSize outer) : QObject(&window), window_(window), outer_(outer) {
        setObjectName(kFrameFitName);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && !done_ && WatchedType(event->type())) tryFit();
        return false;
    }

private:
    static bool WatchedType(QEvent::Type type) {
        return type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
    }

    void tryFit() {
        const QSize extra = FrameExtra(window_);
        if (extra.isNull()) return;
        done_ = true;
        window_.removeEventFilter(this);
        if (window_.size() == outer_) window_.resize(outer_ - extra);
        deleteLater();
    }

    QWidget& window_;
    QSize outer_;
    bool done_ = false;
};

void DropPendingFit(QWidget& window) {
    delete window.findChild<QObject*>(kFrameFitName, Qt::FindDirectChildrenOnly);
}

// Some platforms know the frame as soon as the native window exists, others only once
// it is on screen; a window on screen without a frame has none.
bool FrameKnown(const QWidget& window) {
    return window.isVisible() || !FrameExtra(window).isNull();
}

// The outer rectangle in twips. A window's pos() is that of its frame.
double OuterTop(const QWidget& w) {
    return platform::PixelsToTwips(w.frameGeometry().top());
}
double OuterLeft(const QWidget& w) {
    return platform::PixelsToTwips(w.frameGeometry().left());
}
double OuterWidth(const QWidget& w) {
    return platform::PixelsToTwips(w.frameGeometry().width());
}
double OuterHeight(const QWidget& w) {
    return platform::PixelsToTwips(w.frameGeometry().height());
}

void SetOuterTop(QWidget& w, double twips) {
    if (const auto y = PixelsOf(twips)) w.move(w.pos().x(), *y);
}

void SetOuterLeft(QWidget& w, double twips) {
    if (const auto x = PixelsOf(twips)) w.move(*x, w.pos().y());
}

// A negative extent, or one smaller than the frame, is refused.
void SetOuterSize(QWidget& w, std::optional<int> width, std::optional<int> height) {
    const QSize extra = FrameExtra(w);
    const bool frameKnown = FrameKnown(w);
    QSize client = w.size();
    if (width && *width >= extra.width()) client.setWidth(*width - extra.width());
    if (height && *height >= extra.height()) client.setHeight(*height - extra.height());
    if (client == w.size()) return;
    DropPendingFit(w);
    w.resize(client);
    // Without a frame yet, the client size stands for the outer size.
    if (!frameKnown) new FrameFit(w, w.size());
}

void SetOuterWidth(QWidget& w, double twips) {
    SetOuterSize(w, PixelsOf(twips), std::nullopt);
}
void SetOuterHeight(QWidget& w, double twips) {
    SetOuterSize(w, std::nullopt, PixelsOf(twips));
}

using Setter = void (*)(QWidget&, double);
using Getter = double (*)(const QWidget&);

// `orDefault`: a stored text that is no number gives the default instead of being skipped.
void ApplyStored(QWidget& window, const char* key, const char* defaultText, Setter set,
                 bool orDefault = false) {
    platform::RunStep([&] {
        auto value =
            ParsePlacementValue(platform::GetSetting(kApplication, kSection, key, defaultText));
        if (!value && orDefault) value = ParsePlacementValue(defaultText);
        if (value) set(window, *value);
    });
}

void Store(const QWidget& window, const char* key, Getter get) {
    platform::RunStep([&] {
        platform::SaveSetting(kApplication, kSection, key, FormatPlacementValue(get(window)));
    });
}

void NormalState(QWidget& window) {
    const Qt::WindowStates special =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (window.windowState() & special) window.setWindowState(window.windowState() & ~special);
}

std::string_view Trimmed(const std::string& text) {
    constexpr const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return std::string_view(text).substr(first, last - first + 1);
}

}  // namespace

void LoadWinSettings(QWidget& window) {
    platform::RunStep([&] { NormalState(window); });
    ApplyStored(window, "Top", "1000", SetOuterTop);
    ApplyStored(window, "Left", "616", SetOuterLeft);
    // A size that is no number would leave the window at its design client size, which
    // the frame then shrinks: the default outer size is what the user expects instead.
    ApplyStored(window, "Width", kDefaultWidth, SetOuterWidth, true);
    ApplyStored(window, "Height", kDefaultHeight, SetOuterHeight, true);
    platform::RunStep([&] { CorrectPlacement(window); });
}

void SaveWinSettings(QWidget& window) {
    platform::RunStep([&] { CorrectPlacement(window); });
    Store(window, "Top", OuterTop);
    Store(window, "Left", OuterLeft);
    Store(window, "Width", OuterWidth);
    Store(window, "Height", OuterHeight);
}

void CorrectPlacement(QWidget& window) {
    const auto screen = platform::PrimaryScreenTwips();
    if (!screen) return;
    const double top = OuterTop(window);
    if (top < 0 || top > screen->height) SetOuterTop(window, 0);
    const double left = OuterLeft(window);
    if (left < 0 || left > screen->width) SetOuterLeft(window, 0);
    const double width = OuterWidth(window);
    if (width < 0 || width > screen->width)
        SetOuterWidth(window, screen->width - kScreenMarginTwips);
    else if (width < kSmallestExtentTwips)
        SetOuterWidth(window, *ParsePlacementValue(kDefaultWidth));
    const double height = OuterHeight(window);
    if (height < 0 || height > screen->height)
        SetOuterHeight(window, screen->height - kScreenMarginTwips);
    else if (height < kSmallestExtentTwips)
        SetOuterHeight(window, *ParsePlacementValue(kDefaultHeight));
}

void SaveWinSettingsOnSessionEnd(QWidget& window) {
    if (!qGuiApp) return;
    // The session manager wants the data saved before the signal returns.
    QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager&) { SaveWinSettings(window); }, Qt::DirectConnection);
}

std::optional<double> ParsePlacementValue(const std::string& text) {
    std::string_view digits = Trimmed(text);
    // from_chars takes a minus sign but not a plus sign.
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-' || digits.front() == '+') return std::nullopt;
    }
    if (digits.empty()) return std::nullopt;
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatPlacementValue(double twips) {
    if (!(std::abs(twips) <= std::numeric_limits<float>::max())) return {};
    float value = static_cast<float>(twips);
    if (value == 0) value = 0;  // no "-0"
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (error != std::errc()) return {};
    return std::string(text, end);
}

}  // namespace placement
