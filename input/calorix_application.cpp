#include "input/calorix_application.h"

#include <exception>

namespace calorix {

Calorix_Application::Calorix_Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Calorix_Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
        // The failed command ends silently, as the file commands do; the
        // event counts as not handled.
        return false;
    } catch (...) {
        return false;
    }
}

}  // namespace calorix
