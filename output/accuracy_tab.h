#pragma once
// "Heat Balance and Accuracy", the third tab of the results window: where the
// heat goes through each side, how far the Gauss-Seidel result stopped from
// the exact solution of its own equations (with a view switch for the table
// and the picture), and the equation of a node clicked in the results table
// or on the picture.
// Everything it shows is computed by the core; this page only lays it out.
#include <QWidget>
#include <memory>
#include <string>

#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

class QComboBox;
class QLabel;
class QModelIndex;

namespace calorix {

class Output_Form;
struct Exact_Solution;

class Accuracy_Tab : public QWidget {
    Q_OBJECT

  public:
    enum View { Gauss_Seidel_View = 0, Exact_View = 1, Difference_View = 2 };

    explicit Accuracy_Tab(Output_Form* form);

    // A run has been loaded into the results window.
    void Load(Output_Model& model, Result_Stores& stores, Problem_Definition& problem);
    // The node behind a cell of the results table (row, column of the table,
    // headers counted).
    void Explain_Cell(int row, int col);
    // The node clicked on the picture, at the level the picture shows: the
    // explanation comes to the front, or, while the picture plays, shows
    // beside the click on the picture's own tab.
    void Explain_Picture_Node(int i, int j);
    // Table and picture (or chart) show the Gauss-Seidel result, the exact
    // solution of the node equations or their difference.
    void Set_View(int view);

    QLabel* Balance_Label() const { return balance_; }
    QLabel* Error_Label() const { return error_; }
    QLabel* Explain_Label() const { return explain_; }
    QComboBox* View_Switch() const { return view_switch_; }
    QComboBox* Level_List() const { return level_list_; }
    // The direct solution this page judges the run by (null until solved).
    const Exact_Solution* Exact() const { return exact_.get(); }

  private:
    QWidget* Build_Balance_Box(QWidget* page);
    QWidget* Build_Error_Box(QWidget* page);
    void Connect_Signals();
    // The table, its title and heading cell of the run or of a view.
    void Show_Table(const Output_Model& m);
    void Show_Balance();
    // The wall's exact profile on the chart, as "Exact profile" asks.
    void Redraw_Profile();
    // Node (i, j) at time level `level` (read for the transient kinds only).
    void Explain_Node_At(int i, int j, int level);
    void Follow_Time_List();
    int Level() const;
    std::string Level_Text(int level) const;
    // Takes the direct solution of the steady node equations (solved once
    // per run for every page) and shows the iteration error (and the
    // wall's analytic profile).
    void Solve_Exact();

    Output_Form* form_;
    Output_Model* model_ = nullptr;
    Result_Stores* stores_ = nullptr;
    Problem_Definition* problem_ = nullptr;
    int kind_ = -1;
    int view_ = Gauss_Seidel_View;
    int picture_level_ = 0;  // the time level the picture shows (2-D transient)
    std::shared_ptr<const Exact_Solution> exact_;
    bool exact_solved_ = false;
    bool exact_pending_ = false;  // a steady run whose exact solve waits for this page
    // What the table and picture show in the exact and difference views; the
    // run's own store and table stay as they are for the report.
    Steady_1D_Store view_1d_;
    Steady_2D_Store view_2d_;
    Output_Model view_model_;

    QLabel* balance_ = nullptr;
    QLabel* error_ = nullptr;
    QLabel* explain_ = nullptr;
    QComboBox* view_switch_ = nullptr;
    QComboBox* level_list_ = nullptr;
    QLabel* level_label_ = nullptr;
    QWidget* view_row_ = nullptr;
};

}  // namespace calorix
