#include "output/temperature_chart.h"

#include <QCategoryAxis>
#include <QLineSeries>
#include <QList>
#include <QPointF>
#include <QScreen>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

#include "output/chart_export.h"
#include "output/curve_thinning.h"
#include "output/png_file.h"

namespace calorix {

namespace {
constexpr int Shown_Labels = 12;
}

Temperature_Chart::Temperature_Chart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart();
    chart->legend()->hide();
    series_ = new QLineSeries(chart);
    QPen pen(QColor(200, 40, 30));
    pen.setWidthF(2.0);
    series_->setPen(pen);
    chart->addSeries(series_);
    axis_x_ = new QCategoryAxis(chart);
    axis_x_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis_y_ = new QValueAxis(chart);
    axis_y_->setLabelFormat(QStringLiteral("%.2f"));
    chart->addAxis(axis_x_, Qt::AlignBottom);
    chart->addAxis(axis_y_, Qt::AlignLeft);
    series_->attachAxis(axis_x_);
    series_->attachAxis(axis_y_);
    QFont title_font = chart->titleFont();
    title_font.setPointSize(12);
    title_font.setBold(true);
    chart->setTitleFont(title_font);
    // The view owns the chart it is given but only lets go of the empty
    // chart it started with: that one is ours to delete.
    QChart* const empty = this->chart();
    setChart(chart);
    delete empty;
    setRenderHint(QPainter::Antialiasing);
}

void Temperature_Chart::Save_Chart_Command_Click() {
    Save_Chart_Asked(this, this);
}

int Temperature_Chart::Drawn_Columns() const {
    // The plot is never wider than the screen it is on.
    const QScreen* s = screen();
    return s != nullptr ? s->size().width() : 1920;
}

bool Temperature_Chart::Save_Png(const QString& path) {
    return Save_Png_File(grab().toImage(), path);
}

void Temperature_Chart::Draw(const Chart_Data& data) {
    QChart* c = chart();
    c->setTitle(QString::fromStdString(data.Title));
    axis_x_->setTitleText(QString::fromStdString(data.Category_Title));

    const int n = data.Point_Count();
    // Point k (1-based) sits at x = k; the labels say what k stands for.  A
    // curve of more points than the screen has columns is drawn from a few
    // points a column, its extremes among them.
    QList<QPointF> points;
    double lo = 0;
    double hi = 0;
    for (int index : Thinned_Points(data.Values, Drawn_Columns())) {
        const double v = data.Values[static_cast<std::size_t>(index)];
        points.append(QPointF(index + 1, v));
        lo = points.size() == 1 ? v : std::min(lo, v);
        hi = points.size() == 1 ? v : std::max(hi, v);
    }
    series_->replace(points);
    // Markers help on a short curve and only clutter a long one.
    series_->setPointsVisible(n <= 60);

    for (const QString& label : axis_x_->categoriesLabels()) {
        axis_x_->remove(label);
    }
    if (n > 0) {
        const int step = std::max(1, (n + Shown_Labels - 1) / Shown_Labels);
        QSet<QString> used;
        auto add = [&](int k) {
            QString label = QString::fromStdString(data.Labels[static_cast<std::size_t>(k - 1)]);
            // The axis wants distinct labels; two locations can round to the
            // same text, so a repeat gets an invisible mark.
            while (used.contains(label)) {
                label += QChar(0x200B);
            }
            used.insert(label);
            axis_x_->append(label, k);
        };
        int last = 0;
        for (int k = 1; k <= n; k += step) {
            add(k);
            last = k;
        }
        if (data.Label_Ticks && last != n && n - last >= (step + 1) / 2) {
            add(n);
        }
    }
    axis_x_->setStartValue(n > 1 ? 1.0 : 0.0);
    axis_x_->setRange(n > 1 ? 1.0 : 0.0, n > 1 ? n : 2.0);
    axis_x_->setGridLineVisible(data.Label_Ticks);
    if (hi - lo < 1e-9) {
        lo -= 1.0;
        hi += 1.0;
    }
    axis_y_->setRange(lo, hi);
    axis_y_->applyNiceNumbers();
}

}  // namespace calorix
