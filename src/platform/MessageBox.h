#pragma once

#include <string>

namespace platform {

enum class Buttons : int {
    OkOnly = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};

enum class Icon : int {
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};

enum class DefaultButton : int { First = 0, Second = 256, Third = 512 };

// A button set, an icon and a default button add up to one style value, the way the
// classic Windows message box takes them: Buttons::YesNo | Icon::Question is 36.
class MsgStyle {
public:
    constexpr MsgStyle(Buttons buttons) : value_(static_cast<int>(buttons)) {}
    constexpr MsgStyle(Icon icon) : value_(static_cast<int>(icon)) {}
    constexpr MsgStyle(DefaultButton button) : value_(static_cast<int>(button)) {}
    constexpr int value() const { return value_; }

    friend constexpr MsgStyle operator|(MsgStyle a, MsgStyle b) {
        return MsgStyle(a.value_ | b.value_);
    }

private:
    explicit constexpr MsgStyle(int value) : value_(value) {}
    int value_;
};

// Found by argument lookup for two flags of different kinds (Buttons | Icon).
constexpr MsgStyle operator|(Buttons a, Icon b) {
    return MsgStyle(a) | MsgStyle(b);
}
constexpr MsgStyle operator|(Buttons a, DefaultButton b) {
    return MsgStyle(a) | MsgStyle(b);
}
constexpr MsgStyle operator|(Icon a, DefaultButton b) {
    return MsgStyle(a) | MsgStyle(b);
}

enum class MsgAnswer {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7
};

inline Buttons ButtonSet(int style) {
    return static_cast<Buttons>(style & 0x0F);
}
inline Icon IconOf(int style) {
    return static_cast<Icon>(style & 0xF0);
}
inline int DefaultButtonOf(int style) {
    return (style & 0xF00) / 256;
}  // 0-based

// A modal question to the user. The program shows a real dialog; tests answer
// from a script and keep what was asked.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MsgAnswer show(const std::string& text, int style, const std::string& title) = 0;
};

// The title a message box shows when the caller gives none.
inline constexpr const char* kProgramTitle = "Marrowtide";

// Shows a message through the installed message box. Without one installed every
// question is answered Cancel, so nothing can loop waiting for a user.
MsgAnswer MsgBox(const std::string& text, MsgStyle style = Buttons::OkOnly,
                 const std::string& title = kProgramTitle);

// Installs the message box used from now on; nullptr restores the silent default.
// Returns the one installed before.
MessageBox* SetMessageBox(MessageBox* box);

}  // namespace platform
