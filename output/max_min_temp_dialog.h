#pragma once
// The small box behind the two end buttons of the colour bar: the user types
// a new maximum or minimum of the colour range.  It is created once and only
// hidden afterwards, so it keeps the text typed last.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace calorix {

class Max_Min_Temp_Dialog : public QDialog {
    Q_OBJECT

  public:
    explicit Max_Min_Temp_Dialog(QWidget* parent = nullptr);

    QLabel* Temp_Label() const { return temp_label_; }
    QLineEdit* Max_Temp_Text() const { return max_temp_text_; }
    QPushButton* OK_Button() const { return ok_button_; }
    QPushButton* Cancel_Button() const { return cancel_button_; }

  private:
    QLabel* temp_label_ = nullptr;
    QLineEdit* max_temp_text_ = nullptr;
    QPushButton* ok_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
};

}  // namespace calorix
