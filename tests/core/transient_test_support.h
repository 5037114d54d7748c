#pragma once
// Shared by the transient solver suites: a scripted stand-in for the message
// boxes and the store dimensioning the run driver does before a solve.
#include <deque>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/user_dialogs.h"
#include "input/problem_definition.h"
#include "solvers/result_stores.h"

namespace transient_test {
namespace {

// Answers Yes/No questions from a script (Yes once the script runs out) and
// records every text shown or asked.
class Scripted_Dialogs : public calorix::User_Dialogs {
  public:
    explicit Scripted_Dialogs(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}
    void Show_Message(const std::string& text) override { messages.push_back(text); }
    bool Ask_Yes_No(const std::string& text, bool yes_is_default) override {
        questions.push_back(text);
        yes_defaults.push_back(yes_is_default);
        if (answers_.empty()) {
            return true;
        }
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> yes_defaults;

  private:
    std::deque<bool> answers_;
};

// The 1-D transient store as the run driver dimensions it.
inline void Dimension_1D(calorix::Result_Stores& stores, const calorix::Problem_Definition& p) {
    const int n = calorix::To_Int16(p.X_Grid);
    const int m = calorix::To_Int16(p.Number_Of_Time_Steps);
    calorix::Transient_1D_Store& s = stores.Transient_1D;
    s.New_Temperature_T1D.Dimension(n);
    s.Temperature_T1D.Dimension(n);
    s.Iterate_Temperature_T1D.Dimension(n);
    s.Temperature_History_1D.Dimension(1, m + 1, n);
    s.X_Location_T1D.Dimension(n);
}

// The 2-D transient store as the run driver dimensions it.
inline void Dimension_2D(calorix::Result_Stores& stores, const calorix::Problem_Definition& p) {
    const int nx = calorix::To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    const int nt = calorix::To_Int16(p.Number_Of_Time_Steps);
    calorix::Transient_2D_Store& s = stores.Transient_2D;
    s.New_Temperature_T2D.Dimension(nx, ny);
    s.Temperature_T2D.Dimension(nx, ny);
    s.Iterate_Temperature_T2D.Dimension(nx, ny);
    s.Temperature_History_2D.Dimension(nt + 1, nx, ny);
    s.Location_T2D.Dimension(nx > ny ? nx : ny);
}

}  // namespace
}  // namespace transient_test
