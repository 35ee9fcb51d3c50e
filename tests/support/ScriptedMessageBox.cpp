#include "ScriptedMessageBox.h"

namespace testsupport {

ScriptedMessageBox::ScriptedMessageBox() {
    previous_ = platform::SetMessageBox(this);
}

ScriptedMessageBox::ScriptedMessageBox(std::initializer_list<platform::MsgAnswer> answers)
    : script_(answers) {
    previous_ = platform::SetMessageBox(this);
}

ScriptedMessageBox::~ScriptedMessageBox() {
    platform::SetMessageBox(previous_);
}

platform::MsgAnswer ScriptedMessageBox::show(const std::string& text, int style,
                                             const std::string& title) {
    asked_.push_back({text, style, title});
    if (answerer_) return answerer_(text);
    if (script_.empty()) return fallback_;
    platform::MsgAnswer answer = script_.front();
    script_.pop_front();
    return answer;
}

}  // namespace testsupport
