#pragma once
// "CALORIX - Properties": the material library.  Choosing a material and
// pressing OK writes its conductivity, and on the transient tabs its
// diffusivity, into the boxes of the tab selected on the input window.  The
// window that opens the library says where the values go, so the library
// knows nothing of that window.
#include <QDialog>
#include <cstdint>
#include <functional>

#include "materials/material_table.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace calorix {

// Where a chosen material goes: the kind of problem on the selected tab
// (which values it takes) and the writer of the chosen texts into its boxes.
struct Material_Target {
    std::function<int()> Selected_Kind;
    std::function<void(const Material_Choice&)> Write;
};

class Properties_Form : public QDialog {
    Q_OBJECT

  public:
    Properties_Form(Material_Target target, QWidget* parent);

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

    Material_Target target_;
    QLabel* values_label_ = nullptr;
};

}  // namespace calorix
