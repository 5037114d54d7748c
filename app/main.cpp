#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "about/about_form.h"
#include "about/calorix_icon.h"
#include "app/command_line.h"
#include "app/start_up.h"
#include "input/calorix_application.h"
#include "input/input_form.h"

namespace {

std::vector<std::string> Arguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// Prints the help or version text; true when the program should stop there.
bool Answered(const calorix::Command_Line& line) {
    using Action = calorix::Command_Line::Action;
    if (line.What == Action::Help) {
        std::cout << calorix::Help_Text();
        return true;
    }
    if (line.What == Action::Version) {
        std::cout << calorix::Version_Text();
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Everything on the command line is answered before any window system is
    // opened, so that help, version and mistakes get their text on a text
    // console instead of an abort inside the toolkit.  The toolkit's own
    // options (-platform, -style ...) are passed over here and taken out by
    // the application object.
    const calorix::Command_Line line = calorix::Parse_Command_Line(Arguments(argc, argv));
    if (Answered(line)) {
        return 0;
    }
    if (line.What == calorix::Command_Line::Action::Error) {
        std::cerr << "calorix: " << line.Message << "\nTry 'calorix --help'.\n";
        return 2;
    }
    const std::string no_display =
        calorix::Missing_Display(line, std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                 std::getenv("WAYLAND_DISPLAY"));
    if (!no_display.empty()) {
        std::cerr << "calorix: " << no_display << "\n";
        return 2;
    }
    calorix::Calorix_Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CALORIX"));
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.calorix.Calorix"));
    QApplication::setWindowIcon(QIcon(calorix::Calorix_Icon(256)));
    // The input window is built first but shown only when the start-up
    // screen hands over to it.
    calorix::D12_Input_Form input;
    calorix::About_Form about(calorix::Input_Window_Steps(input));
    calorix::Start_Calorix(about, input, line);
    return QApplication::exec();
}
