#pragma once

#include <QString>
#include <span>

// Paths of the program's artwork inside the Qt resource "artwork". Every picture
// is an SVG drawn on a 32x32 grid; render it at 16x16 or 32x32 (or any size)
// with QIcon, QSvgRenderer or QPixmap.
namespace artwork {

inline constexpr char kWindowIcon[] = ":/app/marrowtide.svg";  // calendar page, face in profile
inline constexpr char kPersonPicture[] = ":/app/person.svg";   // head and shoulders, pencil

inline constexpr char kButtonAdd[] = ":/buttons/add.svg";
inline constexpr char kButtonEdit[] = ":/buttons/edit.svg";
inline constexpr char kButtonDelete[] = ":/buttons/delete.svg";
inline constexpr char kButtonRefresh[] = ":/buttons/refresh.svg";
inline constexpr char kButtonBigIcons[] = ":/buttons/bigicons.svg";
inline constexpr char kButtonDetails[] = ":/buttons/details.svg";
inline constexpr char kButtonExit[] = ":/buttons/exit.svg";

inline constexpr char kAgeBaby[] = ":/ages/baby.svg";
inline constexpr char kAgeChild[] = ":/ages/child.svg";
inline constexpr char kAgeYoungAdult[] = ":/ages/youngadult.svg";
inline constexpr char kAgeAdult[] = ":/ages/adult.svg";
inline constexpr char kAgeSenior[] = ":/ages/senior.svg";
// The neutral face of a person whose birth year is unknown; no age group has it.
inline constexpr char kAgeUnknown[] = ":/ages/unknown.svg";

inline constexpr int kAgeGroupCount = 5;

// The face of age group `group`, numbered 1 to 5 in the order Baby, Child,
// Young Adult, Adult, Senior; the empty text for any other number.
QString ageIconPath(int group);

// Every artwork path, window icon first, then the buttons, then the five faces and the
// face of an unknown age.
std::span<const char* const> allPaths();

}  // namespace artwork
