#pragma once

#include <optional>
#include <string>

class QWidget;

// The main window reopens where it was closed. Its outer rectangle (frame included) is
// kept in the per-user settings as four decimal texts in twips, and both reading and
// writing first pull the window back onto the primary screen.
namespace placement {

inline constexpr const char* kApplication = "Marrowtide";
inline constexpr const char* kSection = "Window";

// Puts the window in the normal state, then moves and sizes it to the saved Top, Left,
// Width and Height (defaults 1000, 616, 6990, 4245) and corrects the result. Each value
// stands alone: one that is missing from the store uses its default; a Top or Left whose
// text is not a number leaves that coordinate as it was, a Width or Height uses the
// default. Call it before the window is first shown.
void LoadWinSettings(QWidget& window);

// Corrects the window on screen, then writes Top, Left, Width and Height in this order.
// A value the store refuses to keep does not stop the others.
void SaveWinSettings(QWidget& window);

// Keeps the window's top-left corner on the primary screen and the window no larger
// than the screen, in four checks: top, left, width, height. A window exactly as wide
// (or high) as the screen is left alone; so is the bottom-right corner. A width or
// height under 1500 twips (100 pixels) gets the default, 6990 or 4245.
// Does nothing while the screen size is unknown.
void CorrectPlacement(QWidget& window);

// Also saves the placement when the desktop session ends while the window is open:
// the application may be ended then without the window ever getting its close event.
void SaveWinSettingsOnSessionEnd(QWidget& window);

// A stored text as twips. Accepted: an optional sign, decimal digits with an optional
// '.' fraction and an optional exponent ("1000", "-200", "6990.5", "1e3"), with blanks
// around it allowed; the decimal point is always '.', whatever the locale. Anything
// else is refused: an empty or blank text, letters or units ("abc", "12px"), thousands
// separators, hexadecimal, infinity and not-a-number.
std::optional<double> ParsePlacementValue(const std::string& text);

// Twips as stored: the value as a single-precision number in plain decimal notation,
// as short as reads back the same, with no decimal point for a whole number
// (6990 -> "6990", 6990.5 -> "6990.5"). Empty for a value no float can hold.
std::string FormatPlacementValue(double twips);

}  // namespace placement
