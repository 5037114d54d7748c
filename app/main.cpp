#include <QApplication>

#include "input/input_form.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CALORIX"));
    calorix::D12_Input_Form input;
    input.show();
    return QApplication::exec();
}
