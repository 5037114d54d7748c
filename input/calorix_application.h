#pragma once
// The application object.  An exception that escapes an event handler of
// any window would unwind through the toolkit's event loop and end the
// program with everything typed lost; here it ends only the command that
// raised it.  Commands with a failure rule of their own (a run, a file
// command) handle their failures before they get this far; what still
// arrives here is a fault, named on the error output in debug builds.
#include <QApplication>

namespace calorix {

class Calorix_Application : public QApplication {
  public:
    Calorix_Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace calorix
