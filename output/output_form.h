#pragma once
// The results window, "CALORIX OUTPUT": the table of the run with a read-only
// copy of its inputs and a sketch of the bar or plate on the "Tabular Ouput"
// tab; the temperature chart (1-D kinds) or the shaded picture (2-D kinds) on
// the "Graphical Output" tab.
#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace calorix {

class Shaded_Plot_Panel;
class Accuracy_Tab;
class Convergence_Tab;
class Direct_Solve_Cache;

class Temperature_Chart;
class Text_Table_Model;
class Input_Sketch;

// One read-only copy of the inputs (`Output_Frame`(k)).
struct Input_Copy_Controls {
    QGroupBox* Output_Frame = nullptr;
    std::array<QLineEdit*, Display_Box_Count> Text{};  // indexed by Display_Box
    QLabel* Y_Grid_Label = nullptr;
    QGroupBox* Transient_Frame = nullptr;
    QRadioButton* Explicit_Option = nullptr;
    QRadioButton* Implicit_Option = nullptr;
};

class Output_Form : public QDialog {
    Q_OBJECT

  public:
    explicit Output_Form(QWidget* parent = nullptr);
    ~Output_Form() override;

    // Loads the run's results into the window and shows it modally; returns
    // when the window is closed.
    void Show_Results(Output_Model& model, Result_Stores& stores, Problem_Definition& problem);
    // The loading part alone (the window is not shown).
    void Load_Results(Output_Model& model, Result_Stores& stores, Problem_Definition& problem);

    // Set to 1 by the run driver for the 2-D kinds.
    std::int16_t Draw_Flag = 0;

    // The run on display, for the picture that fills the shaded-plot host.
    Output_Model* Model() const { return model_; }
    Result_Stores* Stores() const { return stores_; }
    Problem_Definition* Problem() const { return problem_; }

    // The container of the shaded picture on the "Graphical Output" tab.
    QWidget* Shaded_Plot_Host() const { return shaded_host_; }
    Shaded_Plot_Panel* Shaded_Panel() const { return shaded_panel_; }
    // `Output_Frame`(k): k = 0 on the table tab, k = 1 with the picture.
    QWidget* Input_Copy(int k) const;
    const Input_Copy_Controls& Input_Copy_Parts(int k) const { return copies_[k]; }

    QTabWidget* Output_Tab() const { return output_tab_; }
    QTableView* Table_View() const { return table_view_; }
    Text_Table_Model* Table_Model() const { return table_model_; }
    QLabel* Table_Corner() const { return table_corner_; }
    Temperature_Chart* Chart_View() const { return chart_; }
    QPushButton* Save_Chart_Command() const { return save_chart_command_; }
    // "Exact profile", on the chart of a steady wall only.
    QCheckBox* Exact_Profile_Box() const { return exact_profile_box_; }
    QComboBox* Time_List() const { return time_list_; }
    QComboBox* Distance_List() const { return distance_list_; }
    QPushButton* Close_Command() const { return close_command_; }
    QPushButton* Print_Command() const { return print_command_; }
    QPushButton* Export_Command() const { return export_command_; }
    QLabel* Table_Title() const { return table_title_; }
    QLabel* Table_Hint() const { return table_hint_; }
    // "Save Report as PDF…" and its page size (A4, Letter).
    QPushButton* Pdf_Command() const { return pdf_command_; }
    QComboBox* Page_Size_Box() const { return page_size_box_; }
    // Writes the report of the run on display as a PDF document; false when
    // the file cannot be written.
    bool Save_Report_Pdf(const QString& path, bool letter);
    QLabel* Second_Label() const { return second_label_; }
    QLabel* Side_Label(int side) const { return side_labels_[static_cast<std::size_t>(side)]; }
    QLabel* X_Axis_Label() const { return x_label_; }
    QLabel* Y_Axis_Label() const { return y_label_; }
    QWidget* Bar_Image() const;
    QWidget* Plate_Image() const;
    QGroupBox* Plot_Output_Frame() const { return plot_frame_; }
    QGroupBox* X_Input_Frame() const { return x_input_frame_; }
    // "Heat Balance and Accuracy", after the two tabs of the results.
    Accuracy_Tab* Accuracy_Page() const { return accuracy_tab_; }
    // "Convergence": iteration methods, grid refinement, time step.
    Convergence_Tab* Convergence_Page() const { return convergence_tab_; }
    // The direct solution of the run's node equations, shared by the pages
    // that read it (none for a transient run).
    const std::shared_ptr<Direct_Solve_Cache>& Direct_Cache() const { return direct_cache_; }

  signals:
    void Print_Requested();
    // "Graphical Output" selected after a 2-D run: the picture is due.
    void Shaded_Picture_Requested(int kind);
    // Close pressed; sent before the window hides.
    void Closing();

  public slots:
    void Command2_Click();
    void Time_List_Box_Click();
    void Distance_List_Box_Click();

  protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* Build_Table_Tab();
    QWidget* Build_Graphical_Tab();
    QGroupBox* Build_Input_Copy(int k);
    void Build_Table_View(QWidget* tab);
    QHBoxLayout* Build_Chart_Row();
    QLayout* Build_Hint_Row(QWidget* tab);
    void Pdf_Command_Click();
    void Output_Tab_Click(int index);
    void Place_Table_Corner();
    void Apply_Model();

    Output_Model* model_ = nullptr;
    Result_Stores* stores_ = nullptr;
    Problem_Definition* problem_ = nullptr;
    bool closing_ = false;

    QTabWidget* output_tab_ = nullptr;
    QTableView* table_view_ = nullptr;
    Text_Table_Model* table_model_ = nullptr;
    QLabel* table_corner_ = nullptr;
    QLabel* table_title_ = nullptr;
    QLabel* table_hint_ = nullptr;
    QPushButton* pdf_command_ = nullptr;
    QComboBox* page_size_box_ = nullptr;
    QComboBox* time_list_ = nullptr;
    QLabel* second_label_ = nullptr;
    QLabel* x_label_ = nullptr;
    QLabel* y_label_ = nullptr;
    std::array<QLabel*, 4> side_labels_{};
    Input_Sketch* bar_image_ = nullptr;
    Input_Sketch* plate_image_ = nullptr;
    std::array<Input_Copy_Controls, 2> copies_;

    QGroupBox* plot_frame_ = nullptr;
    QGroupBox* x_input_frame_ = nullptr;
    QComboBox* distance_list_ = nullptr;
    Temperature_Chart* chart_ = nullptr;
    QPushButton* save_chart_command_ = nullptr;
    QCheckBox* exact_profile_box_ = nullptr;
    QWidget* shaded_host_ = nullptr;
    Shaded_Plot_Panel* shaded_panel_ = nullptr;

    QPushButton* close_command_ = nullptr;
    QPushButton* print_command_ = nullptr;
    Accuracy_Tab* accuracy_tab_ = nullptr;
    Convergence_Tab* convergence_tab_ = nullptr;
    std::shared_ptr<Direct_Solve_Cache> direct_cache_;
    QPushButton* export_command_ = nullptr;
};

}  // namespace calorix
