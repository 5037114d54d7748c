#pragma once
// The help screen opened by Help, About: what the menus and the two result
// screens do.  OK hides it; it is kept for the next time.
#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace calorix {

class Help_About_Form : public QDialog {
    Q_OBJECT

  public:
    explicit Help_About_Form(QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QPushButton* OKButton = nullptr;
    std::array<QLabel*, 18> Label{};
};

}  // namespace calorix
