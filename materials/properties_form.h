#pragma once
// "CALORIX - Properties": the material library.  Choosing a material and
// pressing OK writes its conductivity, and on the transient tabs its
// diffusivity, into the boxes of the tab selected on the input window.
#include <QDialog>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace calorix {

class D12_Input_Form;

class Properties_Form : public QDialog {
    Q_OBJECT

  public:
    explicit Properties_Form(D12_Input_Form* input_form);

    // Puts the library names into the list, once however often it runs.
    void Fill_List();

    QComboBox* Properties_Combo_Box = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // 1 while the chosen row has a conductivity only.
    std::int16_t Properties_Flag = 0;

  public slots:
    void OKButton_Click();
    void CancelButton_Click();

  private:
    void Show_Values(int row);

    D12_Input_Form* input_form_;
    QLabel* values_label_ = nullptr;
};

}  // namespace calorix
