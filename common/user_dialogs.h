#pragma once
// The messages and Yes/No questions that the computing code needs to show.
// The input window answers them with real message boxes; tests answer them
// programmatically.  Every box is titled "CALORIX".
#include <string>

namespace calorix {

class User_Dialogs {
  public:
    virtual ~User_Dialogs() = default;
    // An OK box with the exclamation icon.
    virtual void Show_Message(const std::string& text) = 0;
    // A Yes/No box with the exclamation icon; true when Yes is pressed.
    // yes_is_default marks Yes as the default button.
    virtual bool Ask_Yes_No(const std::string& text, bool yes_is_default) = 0;
};

}  // namespace calorix
