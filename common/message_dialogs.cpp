#include "common/message_dialogs.h"

#include <QGuiApplication>
#include <utility>

#include "common/run_error.h"

namespace calorix {

namespace {

Message_Hook& Hook() {
    static Message_Hook hook;
    return hook;
}

bool Show(QWidget* parent, const Message_Request& request) {
    // A box is a return to the event loop, possibly in the middle of a run.
    const Float_Flags_Set_Aside run_flags;
    if (Hook()) {
        return Hook()(request);
    }
    // A busy pointer would hide that the box wants an answer.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    QMessageBox box(request.Icon, QStringLiteral("CALORIX"), request.Text,
                    request.Question ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    parent);
    if (request.Question) {
        box.setDefaultButton(request.Yes_Default ? QMessageBox::Yes : QMessageBox::No);
    }
    const int answer = box.exec();
    if (busy) {
        QGuiApplication::restoreOverrideCursor();
    }
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

}  // namespace

void Set_Message_Hook(Message_Hook hook) {
    Hook() = std::move(hook);
}

void Show_Calorix_Message(QWidget* parent, const QString& text) {
    Show(parent, {text, QMessageBox::Warning, false, false});
}

bool Ask_Calorix_Question(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                          bool yes_default) {
    return Show(parent, {text, icon, true, yes_default});
}

void Message_Box_Dialogs::Show_Message(const std::string& text) {
    Show_Calorix_Message(parent_, QString::fromStdString(text));
}

bool Message_Box_Dialogs::Ask_Yes_No(const std::string& text, bool yes_is_default) {
    return Ask_Calorix_Question(parent_, QString::fromStdString(text), QMessageBox::Warning,
                                yes_is_default);
}

}  // namespace calorix
