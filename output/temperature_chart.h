#pragma once
// The results chart: one temperature curve through its points in order, the
// category labels of the points along the horizontal axis.
#include <QChartView>

#include "common/text_table.h"

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace calorix {

class Temperature_Chart : public QChartView {
    Q_OBJECT

  public:
    explicit Temperature_Chart(QWidget* parent = nullptr);
    // Redraws the chart from the curve: title, category title, points,
    // labels.  Labels are thinned to about a dozen so that a long history
    // stays readable (and quick to lay out).
    void Draw(const Chart_Data& data);

    // "Save Chart…": asks for a file name (".png" added when none is typed)
    // and writes the chart as it is shown, title and axes included, as PNG
    // or (a name ending in ".svg") SVG.  A file that cannot be written is
    // reported.
    void Save_Chart_Command_Click();
    // Writes the chart as a PNG picture; false when the file cannot be written.
    bool Save_Png(const QString& path);

    // How many columns a curve is drawn over: one point or a few per pixel
    // are all the eye can see.
    int Drawn_Columns() const;

    // Whether the wall's exact profile is drawn over the nodes' curve.
    void Set_Exact_Profile_Shown(bool shown) { exact_profile_shown_ = shown; }
    bool Exact_Profile_Shown() const { return exact_profile_shown_; }

    QLineSeries* Series() const { return series_; }
    QCategoryAxis* Category_Axis() const { return axis_x_; }
    QValueAxis* Value_Axis() const { return axis_y_; }

  private:
    QLineSeries* series_ = nullptr;
    QCategoryAxis* axis_x_ = nullptr;
    QValueAxis* axis_y_ = nullptr;
    bool exact_profile_shown_ = false;
};

}  // namespace calorix
