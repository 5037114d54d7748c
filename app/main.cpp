#include <cstring>

#include "about/about_form.h"
#include "input/calorix_application.h"
#include "input/input_form.h"

int main(int argc, char* argv[]) {
    calorix::Calorix_Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CALORIX"));
    // The input window is built first but shown only when the start-up
    // screen hands over to it.
    calorix::D12_Input_Form input;
    calorix::About_Form about(&input);
    // "--no-pause" skips the start-up pause (scripted sessions, screenshots).
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-pause") == 0) {
            about.Pause_Milliseconds = 0;
        }
    }
    about.show();
    return QApplication::exec();
}
