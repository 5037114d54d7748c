#include "output/probe_chart_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "output/chart_export.h"
#include "output/picture_figure.h"

namespace calorix {

Probe_Chart_Window::Probe_Chart_Window(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CALORIX Probe"));
    auto* layout = new QVBoxLayout(this);
    auto* chart = new QChart();
    nodes_ = new QLineSeries(chart);
    nodes_->setName(QStringLiteral("Nodes"));
    nodes_->setPen(QPen(QColor(200, 40, 30), 2.0));
    exact_ = new QLineSeries(chart);
    exact_->setName(QStringLiteral("Exact profile"));
    exact_->setPen(QPen(QColor(30, 90, 200), 1.5, Qt::DashLine));
    chart->addSeries(nodes_);
    chart->addSeries(exact_);
    chart->createDefaultAxes();
    chart->legend()->setAlignment(Qt::AlignBottom);
    view_ = new QChartView(chart, this);
    view_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view_, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    save_chart_ = new QPushButton(QStringLiteral("Save Chart\u2026"), this);
    save_chart_->setToolTip(QStringLiteral("Save the chart as a PNG or SVG picture"));
    save_csv_ = new QPushButton(QStringLiteral("Save CSV\u2026"), this);
    save_csv_->setToolTip(QStringLiteral("Save the points of the chart for a spreadsheet"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton* b : {save_chart_, save_csv_, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(save_chart_, &QPushButton::clicked, this, &Probe_Chart_Window::Save_Chart_Click);
    connect(save_csv_, &QPushButton::clicked, this, &Probe_Chart_Window::Save_Csv_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    resize(640, 440);
}

void Probe_Chart_Window::Show_Series(const Probe_Series& s, const Analytic_Profile& exact) {
    series_ = s;
    QList<QPointF> points;
    double lo = s.T.empty() ? 0 : s.T.front();
    double hi = lo;
    for (std::size_t k = 0; k < s.X.size(); ++k) {
        points.append(QPointF(s.X[k], s.T[k]));
        lo = std::min(lo, s.T[k]);
        hi = std::max(hi, s.T[k]);
    }
    nodes_->replace(points);
    nodes_->setPointsVisible(points.size() <= 60);
    QList<QPointF> curve;
    if (exact.unique) {
        for (const auto& [x, t] : Profile_Curve(exact, 100)) {
            curve.append(QPointF(x, t));
            lo = std::min(lo, t);
            hi = std::max(hi, t);
        }
    }
    exact_->replace(curve);
    exact_->setVisible(!curve.isEmpty());
    QChart* c = view_->chart();
    c->setTitle(QString::fromStdString(s.Title));
    c->legend()->setVisible(!curve.isEmpty());
    const auto axes_x = c->axes(Qt::Horizontal);
    const auto axes_y = c->axes(Qt::Vertical);
    if (!axes_x.isEmpty() && !axes_y.isEmpty()) {
        auto* ax = static_cast<QValueAxis*>(axes_x.front());
        auto* ay = static_cast<QValueAxis*>(axes_y.front());
        ax->setTitleText(QString::fromStdString(s.X_Title));
        ax->setRange(s.X.empty() ? 0 : s.X.front(), s.X.size() < 2 ? 1 : s.X.back());
        ay->setTitleText(QStringLiteral("T (C)"));
        if (hi - lo < 1e-9) {
            lo -= 1;
            hi += 1;
        }
        ay->setRange(lo, hi);
        ay->applyNiceNumbers();
    }
}

void Probe_Chart_Window::Save_Chart_Click() {
    Save_Chart_Asked(view_, this);
}

void Probe_Chart_Window::Save_Csv_Click() {
    const QString path = Ask_File_Name(
        this, Save_File_Request(QStringLiteral("csv"), {QStringLiteral("CSV File (*.csv)")}));
    if (!path.isEmpty() && !Write_File_Bytes(path, QByteArray::fromStdString(Probe_Csv(series_)))) {
        Show_Calorix_Message(this, QStringLiteral("CALORIX could not write the file ") + path);
    }
}

}  // namespace calorix
