// The user guide and the keyboard shortcuts of the input window's menus.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "about/user_guide_window.h"
#include "input/input_form.h"

namespace calorix {

void D12_Input_Form::Add_Guide_And_Shortcuts(QMenu* help) {
    User_Guide_Command = help->addAction(QStringLiteral("User &Guide"), this, [this] {
        User_Guide_Window* guide = Guide_Window();
        guide->show();
        guide->raise();
        guide->activateWindow();
    });
    User_Guide_Command->setShortcut(QKeySequence(Qt::Key_F1));
    Open_Command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Save_Command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Save_As_Command->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // Exit keeps its question: the key goes through the same command.
    Exit_Command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

User_Guide_Window* D12_Input_Form::Guide_Window() {
    if (guide_form_ == nullptr) {
        guide_form_ = new User_Guide_Window(this);
    }
    return guide_form_;
}

}  // namespace calorix
