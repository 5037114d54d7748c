#pragma once
// The results window, "CALORIX OUTPUT".
// Temporary minimal window: shows the results table; the full window (tabs,
// input copies, chart, shaded picture) replaces it.
#include <QDialog>

#include "input/problem_definition.h"
#include "output/output_model.h"
#include "solvers/result_stores.h"

class QTableWidget;

namespace calorix {

class Output_Form : public QDialog {
    Q_OBJECT

  public:
    explicit Output_Form(QWidget* parent = nullptr);
    // Loads the run's results into the window and shows it modally; returns
    // when the window is closed.
    void Show_Results(Output_Model& model, Result_Stores& stores, Problem_Definition& problem);

  signals:
    void Print_Requested();

  private:
    QTableWidget* table_ = nullptr;
};

}  // namespace calorix
