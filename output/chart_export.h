#pragma once
// A chart kept for slides: written as a PNG picture of the chart as shown, or
// as an SVG whose titles and labels stay text.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QChartView;
class QWidget;

namespace calorix {

// The filters of a chart's save dialog: PNG first, then SVG.
QStringList Chart_File_Filters();

// PNG or SVG bytes of the chart as shown.
QByteArray Chart_Png(QChartView* view);
QByteArray Chart_Svg(QChartView* view);

// Writes the chart as SVG or PNG as Svg_Format says; false when the file
// cannot be written.
bool Save_Chart_File(QChartView* view, const QString& path, bool svg_chosen = false);
// The save dialog of a chart, then the file; a message when it cannot be
// written.
void Save_Chart_Asked(QChartView* view, QWidget* parent);

}  // namespace calorix
