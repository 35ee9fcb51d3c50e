#pragma once

#include <string>

namespace platform {

// Button sets, icons and default buttons add up to one style value, the way the
// classic Windows message box takes them (36 = YesNo + Question).
enum MsgStyle : int {
    OkOnly = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton1 = 0,
    DefaultButton2 = 256,
    DefaultButton3 = 512,
};

enum class MsgAnswer { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

inline int ButtonSet(int style) { return style & 0x0F; }
inline int IconOf(int style) { return style & 0xF0; }
inline int DefaultButtonOf(int style) { return (style & 0xF00) / 256; }  // 0-based

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
MsgAnswer MsgBox(const std::string& text, int style = OkOnly,
                 const std::string& title = kProgramTitle);

// Installs the message box used from now on; nullptr restores the silent default.
// Returns the one installed before.
MessageBox* SetMessageBox(MessageBox* box);

}  // namespace platform
