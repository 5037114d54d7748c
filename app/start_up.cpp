#include "app/start_up.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <string>
#include <utility>

#include "about/about_form.h"
#include "input/input_form.h"

namespace calorix {

namespace {

// Waits for the input window's first appearance, then lets the event loop
// draw it before the file is read into its boxes.
class Open_When_Shown : public QObject {
  public:
    Open_When_Shown(D12_Input_Form* input, std::string path)
        : QObject(input), input_(input), path_(std::move(path)) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == input_ && e->type() == QEvent::Show) {
            input_->removeEventFilter(this);
            D12_Input_Form* input = input_;
            const std::string path = path_;
            QTimer::singleShot(0, input, [input, path] { input->Open_Named_File(path); });
            deleteLater();
        }
        return false;
    }

  private:
    D12_Input_Form* input_;
    std::string path_;  // the bytes of the command line, which need not be UTF-8
};

}  // namespace

Start_Up_Steps Input_Window_Steps(D12_Input_Form& input) {
    return {[&input] { input.Fill_Properties_In_Combo_Box(); }, [&input] { input.show(); }};
}

void Start_Calorix(About_Form& about, D12_Input_Form& input, const Command_Line& line) {
    if (line.No_Pause) {
        about.Pause_Milliseconds = 0;
    }
    if (!line.File_Path.empty()) {
        input.installEventFilter(new Open_When_Shown(&input, line.File_Path));
    }
    about.show();
}

}  // namespace calorix
