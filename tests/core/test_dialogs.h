#pragma once
// A scripted stand-in for the message boxes: records every text shown and
// answers questions from a script (Yes once the script runs out).
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "common/user_dialogs.h"

namespace calorix::fakes {

class Scripted_Dialogs : public User_Dialogs {
  public:
    explicit Scripted_Dialogs(std::deque<bool> script = {}) : answers(std::move(script)) {}
    void Show_Message(const std::string& text) override { messages.push_back(text); }
    bool Ask_Yes_No(const std::string& text, bool yes_is_default) override {
        questions.push_back(text);
        yes_defaults.push_back(yes_is_default);
        if (answers.empty()) {
            return true;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> yes_defaults;
    std::deque<bool> answers;
};

}  // namespace calorix::fakes
