#pragma once
// A chart kept for slides: written as a PNG picture of the chart as shown, or
// as an SVG whose titles and labels stay text.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QChartView;

namespace calorix {

// The filters of a chart's save dialog: PNG first, then SVG.
QStringList Chart_File_Filters();

// PNG or SVG bytes of the chart as shown.
QByteArray Chart_Png(QChartView* view);
QByteArray Chart_Svg(QChartView* view);

// Writes the chart as SVG when the path ends in ".svg", else as PNG; false
// when the file cannot be written.
bool Save_Chart_File(QChartView* view, const QString& path);

}  // namespace calorix
