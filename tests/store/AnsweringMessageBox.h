#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace storetest {

// Answers each question through a function, which may change the world first (for
// example release a lock before answering Retry). Records what was asked.
class AnsweringMessageBox final : public platform::MessageBox {
public:
    using Answer = std::function<platform::MsgAnswer(const std::string& text)>;

    explicit AnsweringMessageBox(Answer answer)
        : answer_(std::move(answer)), previous_(platform::SetMessageBox(this)) {}
    ~AnsweringMessageBox() override { platform::SetMessageBox(previous_); }
    AnsweringMessageBox(const AnsweringMessageBox&) = delete;
    AnsweringMessageBox& operator=(const AnsweringMessageBox&) = delete;

    platform::MsgAnswer show(const std::string& text, int, const std::string&) override {
        texts.push_back(text);
        return answer_(text);
    }

    std::vector<std::string> texts;

private:
    Answer answer_;
    platform::MessageBox* previous_;
};

}  // namespace storetest
