#include "input/calorix_application.h"

#include <QtGlobal>
#include <exception>

namespace calorix {

Calorix_Application::Calorix_Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Calorix_Application::notify(QObject* receiver, QEvent* event) {
    // The failed command ends silently for the user, as the file commands
    // do; the event counts as not handled.  No command is meant to get here
    // (each handles its own failures), so a debug build names what arrived,
    // and a new fault does not go unnoticed behind this guard.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
#ifndef NDEBUG
        qWarning("CALORIX: an event handler of %s failed: %s",
                 receiver != nullptr ? receiver->metaObject()->className() : "nothing", e.what());
#endif
        return false;
    } catch (...) {
#ifndef NDEBUG
        qWarning("CALORIX: an event handler of %s failed",
                 receiver != nullptr ? receiver->metaObject()->className() : "nothing");
#endif
        return false;
    }
}

}  // namespace calorix
