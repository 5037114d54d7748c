#pragma once
// Message boxes titled "CALORIX".  Every box of the program goes through
// these functions, so that a test can install a hook that answers them
// instead of a person.
#include <QMessageBox>
#include <QString>
#include <functional>

#include "common/user_dialogs.h"

namespace calorix {

struct Message_Request {
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::Warning;
    bool Question = false;     // Yes/No instead of OK
    bool Yes_Default = false;  // Yes is the default button
};

// Returns true for OK or Yes.  An empty hook means real message boxes.
using Message_Hook = std::function<bool(const Message_Request&)>;
void Set_Message_Hook(Message_Hook hook);

// An OK box with the exclamation icon.
void Show_Calorix_Message(QWidget* parent, const QString& text);
// A Yes/No box; true when Yes was pressed.
bool Ask_Calorix_Question(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                          bool yes_default);

// The computing code's messages and questions, answered by message boxes.
class Message_Box_Dialogs : public User_Dialogs {
  public:
    explicit Message_Box_Dialogs(QWidget* parent) : parent_(parent) {}
    void Show_Message(const std::string& text) override;
    bool Ask_Yes_No(const std::string& text, bool yes_is_default) override;

  private:
    QWidget* parent_;
};

}  // namespace calorix
