#pragma once
// The main window, "CALORIX INPUT": one tab per problem kind with its
// parameter boxes and the boundary conditions of its sides, the
// "Calculate Temperature" button and the File, Properties and Help menus.
#include <QMainWindow>
#include <array>
#include <memory>

#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

class QAction;
class QMenu;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace calorix {

class Output_Form;
class Properties_Form;
class Help_About_Form;
class User_Guide_Window;

// The controls of one side of one tab.
struct Side_Controls {
    QGroupBox* BC_Frame = nullptr;
    QRadioButton* BC1_Option = nullptr;
    QRadioButton* BC2_Option = nullptr;
    QRadioButton* BC3_Option = nullptr;
    QWidget* BC1_Frame = nullptr;
    QWidget* BC2_Frame = nullptr;
    QWidget* BC3_Frame = nullptr;
    QLineEdit* T_Text = nullptr;
    QLineEdit* q_Text = nullptr;
    QLineEdit* h_Text = nullptr;
    QLineEdit* T_Infinity_Text = nullptr;
};

// The parameter controls of one tab; boxes the tab does not have are null.
struct Parameter_Controls {
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Grid_Size_Text = nullptr;
    QLineEdit* X_Grid_Text = nullptr;
    QLineEdit* Y_Grid_Text = nullptr;
    QLineEdit* Heat_Generation_Text = nullptr;
    QLineEdit* Thermal_Conductivity_Text = nullptr;
    QLineEdit* Guess_Initial_Temperature_Text = nullptr;
    QLineEdit* Diffusivity_Text = nullptr;
    QLineEdit* Time_Step_Text = nullptr;
    QLineEdit* Number_Of_Time_Steps_Text = nullptr;
    QRadioButton* Explicit_Option = nullptr;
    QRadioButton* Implicit_Option = nullptr;
};

class D12_Input_Form : public QMainWindow {
    Q_OBJECT

  public:
    explicit D12_Input_Form(QWidget* parent = nullptr);
    ~D12_Input_Form() override;

    // The problem definition (filled at every run) and the result stores.
    Problem_Definition& Definition() { return problem_; }
    Result_Stores& Stores() { return stores_; }
    Output_Model& Output() { return output_; }

    // What is typed on the window, and writing it back (file open, material
    // library).  Writing a side's choice runs its option's click behaviour.
    Input_Form_State Read_Form_State() const;
    void Apply_Form_State(const Input_Form_State& state);

    int Kind() const;
    QTabWidget* Case_Tab() const { return case_tab_; }
    QPushButton* OK_Command() const { return ok_command_; }
    // The status line with the current problem file name.
    QLabel* File_Name_Label() const { return file_name_label_; }
    const Parameter_Controls& Parameters(int kind) const { return params_[kind]; }
    const Side_Controls& Side(int index) const { return sides_[index]; }

    // The windows this one opens; created on first use and kept.
    Output_Form* Results_Window();
    Properties_Form* Properties_Window();
    Help_About_Form* Help_Window();
    User_Guide_Window* Guide_Window();

    QAction* Open_Command = nullptr;
    QAction* Save_Command = nullptr;
    QAction* Save_As_Command = nullptr;
    QAction* Exit_Command = nullptr;
    QAction* Thermal_Conductivity_Command = nullptr;
    QAction* About_Command = nullptr;
    // Help > "User Guide" (F1).
    QAction* User_Guide_Command = nullptr;

  public slots:
    void OK_Command_Click();
    void Exit_Command_Click();
    void Open_Command_Click();
    // Opens the problem file at `path` (its bytes as the file system spells
    // them) as Open does once its dialog has answered; a file named on the
    // command line comes in here.
    void Open_Named_File(const std::string& path);
    void Save_Command_Click();
    void Save_As_Command_Click();
    void Thermal_Conductivity_Command_Click();
    void About_Command_Click();
    // Asked by the results window's print button.
    void Print_Results_Command();
    // Fills the material list of the library window (run on activation).
    void Fill_Properties_In_Combo_Box();

  protected:
    bool event(QEvent* e) override;
    // Closing the window is quitting: it asks as the Exit command does.
    void closeEvent(QCloseEvent* e) override;

  private:
    void Build_Menus();
    void Add_Guide_And_Shortcuts(QMenu* help);
    QWidget* Build_Tab(int kind);
    QGroupBox* Build_Side(int kind, int side);
    void Case_Tab_Click(int index);
    void BC_Option_Click(int index, int option);
    void Show_File_Name();

    QTabWidget* case_tab_ = nullptr;
    QPushButton* ok_command_ = nullptr;
    QLabel* file_name_label_ = nullptr;
    std::array<Parameter_Controls, 4> params_;
    std::array<Side_Controls, 16> sides_;

    Problem_Definition problem_;
    Result_Stores stores_;
    Output_Model output_;
    Output_Form* output_form_ = nullptr;
    Properties_Form* properties_form_ = nullptr;
    Help_About_Form* help_form_ = nullptr;
    User_Guide_Window* guide_form_ = nullptr;
};

}  // namespace calorix
