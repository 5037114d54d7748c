#include "output/analytic_curve.h"

#include <QCategoryAxis>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "analysis/analytic_profile.h"
#include "output/temperature_chart.h"

namespace calorix {

namespace {
const QString Curve_Name = QStringLiteral("analytic_profile");
const QString Note_Name = QStringLiteral("analytic_note");
}  // namespace

void Clear_Analytic_Profile(Temperature_Chart* chart) {
    QChart* c = chart->chart();
    for (QAbstractSeries* s : c->series()) {
        if (s->objectName() == Curve_Name) {
            c->removeSeries(s);
            delete s;
        }
    }
    if (auto* note = chart->findChild<QLabel*>(Note_Name)) {
        note->hide();
    }
    c->legend()->hide();
}

std::string Show_Analytic_Profile(Temperature_Chart* chart, const Fd_Grid& g, const double* field) {
    Clear_Analytic_Profile(chart);
    const Analytic_Profile a = Wall_Profile(g);
    if (!chart->Exact_Profile_Shown()) {
        // Not asked for on the chart: only its words are wanted.
        return a.unique ? Profile_Legend(g, Profile_Difference(g, a, field)) : a.note;
    }
    if (!a.unique) {
        auto* note = chart->findChild<QLabel*>(Note_Name);
        if (note == nullptr) {
            note = new QLabel(chart);
            note->setObjectName(Note_Name);
            note->setWordWrap(true);
            note->setStyleSheet(QStringLiteral(
                "background: #fff8dc; border: 1px solid #c8b060; padding: 4px; color: #402000;"));
        }
        note->setText(QString::fromStdString(a.note));
        note->setGeometry(80, 44, std::max(200, chart->width() - 160), 44);
        note->show();
        note->raise();
        return a.note;
    }
    QChart* c = chart->chart();
    auto* curve = new QLineSeries(c);
    curve->setObjectName(Curve_Name);
    const std::string legend = Profile_Legend(g, Profile_Difference(g, a, field));
    curve->setName(QString::fromStdString(legend));
    QPen pen(QColor(30, 90, 200));
    pen.setWidthF(1.6);
    pen.setStyle(Qt::DashLine);
    curve->setPen(pen);
    // The chart's points sit at x = node number; the curve follows that scale.
    QList<QPointF> points;
    double lo = chart->Value_Axis()->min();
    double hi = chart->Value_Axis()->max();
    // A smooth parabola: two samples a pixel column draw it exactly.
    const int samples = std::min(40 * (g.nx - 1), 2 * chart->Drawn_Columns());
    for (const auto& [x, t] : Profile_Curve(a, samples)) {
        points.append(QPointF(1.0 + x / g.dx, t));
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
    curve->replace(points);
    c->addSeries(curve);
    curve->attachAxis(chart->Category_Axis());
    curve->attachAxis(chart->Value_Axis());
    chart->Value_Axis()->setRange(lo, hi);
    chart->Value_Axis()->applyNiceNumbers();
    chart->Series()->setName(QString::fromUtf8(Nodes_Legend));
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->show();
    return legend;
}

}  // namespace calorix
