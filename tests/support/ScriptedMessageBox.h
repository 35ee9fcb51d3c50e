#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace testsupport {

// Answers message boxes from a script and records every question asked.
// Installs itself for its lifetime and restores the previous box afterwards.
class ScriptedMessageBox final : public platform::MessageBox {
public:
    struct Asked {
        std::string text;
        int style;
        std::string title;
    };

    ScriptedMessageBox();
    explicit ScriptedMessageBox(std::initializer_list<platform::MsgAnswer> answers);
    ~ScriptedMessageBox() override;
    ScriptedMessageBox(const ScriptedMessageBox&) = delete;
    ScriptedMessageBox& operator=(const ScriptedMessageBox&) = delete;

    // Queues answers, used in order. When the script runs out, `fallback` answers.
    void push(platform::MsgAnswer answer) { script_.push_back(answer); }
    void setFallback(platform::MsgAnswer answer) { fallback_ = answer; }
    // Answers every later question through `answer`, which may change the world first
    // (for example release a lock before answering Retry).
    void answerWith(std::function<platform::MsgAnswer(const std::string& text)> answer) {
        answerer_ = std::move(answer);
    }

    platform::MsgAnswer show(const std::string& text, int style, const std::string& title) override;

    const std::vector<Asked>& asked() const { return asked_; }
    std::size_t count() const { return asked_.size(); }
    void clear() { asked_.clear(); }

private:
    std::deque<platform::MsgAnswer> script_;
    platform::MsgAnswer fallback_ = platform::MsgAnswer::Abort;
    std::vector<Asked> asked_;
    std::function<platform::MsgAnswer(const std::string&)> answerer_;
    platform::MessageBox* previous_ = nullptr;
};

}  // namespace testsupport
