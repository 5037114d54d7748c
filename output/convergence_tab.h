#pragma once
// "Convergence", a tab of the results window: for a steady run the iteration
// methods on the run's own node equations against their direct solution
// (one log-scale chart, one table) and the grid refinement; for a transient
// run the time step study.  The core computes everything off the interface
// thread, once per run shown: the iteration methods and the refinement on
// threads of their own, side by side, each part shown as soon as it is
// done.  This page starts them, shows their progress with a Cancel button
// and lays out the results.
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "analysis/convergence_study.h"
#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace calorix {

class Output_Form;

class Convergence_Tab : public QWidget {
    Q_OBJECT

  public:
    explicit Convergence_Tab(Output_Form* form);
    ~Convergence_Tab() override;

    // A run has been loaded into the results window; its study starts when
    // this page is first shown.
    void Load(Output_Model& model, Result_Stores& stores, Problem_Definition& problem);
    // Ends the work of the run shown (the window closes).
    void Stop();
    // Starts the study now (again, with the factor and node typed).
    void Start();

    bool Ready() const { return ready_; }
    const Convergence_Results& Results() const { return results_; }
    QChartView* Chart() const { return chart_; }
    QTableWidget* Method_Table() const { return methods_; }
    QTableWidget* Refinement_Table() const { return refinement_; }
    QTableWidget* Time_Table() const { return time_table_; }
    QLabel* Method_Text() const { return method_text_; }
    QLabel* Refinement_Text() const { return refinement_text_; }
    QLabel* Time_Text() const { return time_text_; }
    QLineEdit* Omega_Box() const { return omega_; }
    QPushButton* Cancel_Button() const { return cancel_button_; }
    QPushButton* Recompute_Button() const { return recompute_; }

  signals:
    // The iteration methods' part is shown; the refinement's; every part.
    void Iterations_Ready();
    void Refinement_Ready();
    void Study_Ready();

  private:
    void Build_Controls(QWidget* page);
    // A part's thread posts its answer; older generations are dropped.
    void Iterations_Done(const Convergence_Results& r, int generation);
    void Refinement_Done(const Refinement_Study& r, int generation);
    void Time_Done(const Time_Step_Study& r, int generation);
    // Joins the part's thread; false for an answer of a study since stopped.
    bool Take_Part(std::thread& worker, int generation);
    // A part is in: `text` is its sentence, which says so when it was cancelled.
    void Part_Shown(QLabel* text);
    void Show_Methods();
    void Show_Chart();
    void Show_Refinement();
    void Show_Time();

    Output_Form* form_;
    Result_Stores* stores_ = nullptr;
    Problem_Definition* problem_ = nullptr;
    int kind_ = -1;
    bool pending_ = false;
    bool ready_ = false;
    int generation_ = 0;  // of the study running; older answers are dropped
    Convergence_Results results_;
    int parts_left_ = 0;
    std::thread iteration_worker_;  // the iteration methods, or the time step study
    std::thread refinement_worker_;
    std::atomic<int> stage_{0};
    std::atomic<bool> cancel_{false};

    QLineEdit* omega_ = nullptr;
    QSpinBox* node_i_ = nullptr;
    QSpinBox* node_j_ = nullptr;
    QPushButton* recompute_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QTimer* poll_ = nullptr;
    QGroupBox* methods_box_ = nullptr;
    QGroupBox* refinement_box_ = nullptr;
    QGroupBox* time_box_ = nullptr;
    QChartView* chart_ = nullptr;
    QTableWidget* methods_ = nullptr;
    QLabel* method_text_ = nullptr;
    QTableWidget* refinement_ = nullptr;
    QLabel* refinement_text_ = nullptr;
    QTableWidget* time_table_ = nullptr;
    QLabel* time_text_ = nullptr;
};

}  // namespace calorix
