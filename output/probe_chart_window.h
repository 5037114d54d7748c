#pragma once
// The chart of a probe of the plate: the temperature of a node over time, or
// along a row or column with the exact profile where the plate has one.  The
// chart is saved as PNG or SVG and its points as CSV.
#include <QDialog>

#include "analysis/plate_probes.h"

class QChartView;
class QLineSeries;
class QPushButton;

namespace calorix {

class Probe_Chart_Window : public QDialog {
    Q_OBJECT

  public:
    explicit Probe_Chart_Window(QWidget* parent = nullptr);

    // Shows the series; `exact` (when unique) is drawn dashed beside it.
    void Show_Series(const Probe_Series& s, const Analytic_Profile& exact);

    QChartView* Chart_View() const { return view_; }
    QLineSeries* Nodes() const { return nodes_; }
    QLineSeries* Exact() const { return exact_; }
    const Probe_Series& Series() const { return series_; }
    QPushButton* Save_Chart_Command() const { return save_chart_; }
    QPushButton* Save_Csv_Command() const { return save_csv_; }

  private:
    void Save_Chart_Click();
    void Save_Csv_Click();

    Probe_Series series_;
    QChartView* view_ = nullptr;
    QLineSeries* nodes_ = nullptr;
    QLineSeries* exact_ = nullptr;
    QPushButton* save_chart_ = nullptr;
    QPushButton* save_csv_ = nullptr;
};

}  // namespace calorix
