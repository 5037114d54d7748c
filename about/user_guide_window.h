#pragma once
// The user guide: Help > "User Guide" (F1) on the input window.  The text is
// compiled into the program and shown in a browser page that follows its own
// table of contents; Close hides the window, which is kept for the next time.
#include <QDialog>

class QTextBrowser;

namespace calorix {

class User_Guide_Window : public QDialog {
    Q_OBJECT

  public:
    explicit User_Guide_Window(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

// The guide's text as compiled in (Markdown).
QString User_Guide_Text();

}  // namespace calorix
