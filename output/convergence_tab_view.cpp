// What the Convergence tab shows of a finished study.
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/exact_solution.h"
#include "analysis/node_equation.h"
#include "common/number_text.h"
#include "output/convergence_tab.h"

namespace calorix {

namespace {

QString N(double v) {
    return QString::fromStdString(Equation_Number(v));
}

void Set_Row(QTableWidget* t, int row, const QStringList& cells) {
    if (t->rowCount() <= row) {
        t->setRowCount(row + 1);
    }
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
}

void Fit_Height(QTableWidget* t) {
    t->resizeRowsToContents();
    int h = t->horizontalHeader()->height() + 2 * t->frameWidth() + 2;
    for (int r = 0; r < t->rowCount(); ++r) {
        h += t->rowHeight(r);
    }
    t->setFixedHeight(h);
}

const QColor Method_Colours[4] = {QColor(200, 40, 40), QColor(30, 90, 200), QColor(0, 140, 60),
                                  QColor(160, 60, 180)};

// An observed order, or why there is none.
QString Order_Text(double order) {
    return order > 0 ? N(order) : QStringLiteral("not measurable (the changes change sign)");
}

QString Trace_Name(const Iteration_Trace& t) {
    QString name = QString::fromLatin1(Method_Name(t.method));
    if (t.method == Iteration_Method::SOR) {
        name += QStringLiteral(" ω=") + N(t.omega);
    }
    return name;
}

// A curve of at most about 400 points; zeros (an exact answer) sit at the
// bottom of the logarithmic scale.
QLineSeries* Curve(const std::vector<double>& v, const QString& name, const QColor& colour,
                   bool dashed, double floor) {
    auto* s = new QLineSeries();
    s->setName(name);
    QPen pen(colour);
    pen.setWidthF(dashed ? 1.2 : 2.0);
    if (dashed) {
        pen.setStyle(Qt::DashLine);
    }
    s->setPen(pen);
    const std::size_t stride = std::max<std::size_t>(1, v.size() / 200);
    QList<QPointF> points;
    for (std::size_t k = 0; k < v.size(); k += stride) {
        points.append(QPointF(static_cast<double>(k + 1), std::max(v[k], floor)));
    }
    if (!v.empty() && (v.size() - 1) % stride != 0) {
        points.append(QPointF(static_cast<double>(v.size()), std::max(v.back(), floor)));
    }
    s->replace(points);
    return s;
}

}  // namespace

void Convergence_Tab::Show_Chart() {
    auto* chart = new QChart();
    chart->setTitle(
        QStringLiteral("Change per sweep (dashed, the stop rule) and true error "
                       "against the direct solution (solid), C"));
    auto* x = new QValueAxis(chart);
    x->setTitleText(QStringLiteral("Sweep"));
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = new QLogValueAxis(chart);
    y->setBase(10);
    y->setLabelFormat(QStringLiteral("%.0e"));
    y->setTruncateLabels(false);
    y->setMinorTickCount(0);
    QFont small = y->labelsFont();
    small.setPointSize(8);
    y->setLabelsFont(small);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // The scale spans the decades the curves reach (down to 1e-14 at most);
    // a zero, an exact answer, sits on its bottom line.
    double top = 1e-13, least = std::numeric_limits<double>::max(), right = 1;
    for (const Iteration_Trace& t : results_.traces) {
        for (const std::vector<double>* v : {&t.change, &t.error}) {
            for (const double e : *v) {
                top = std::max(top, e);
                least = e > 0 ? std::min(least, e) : least;
            }
        }
    }
    const double floor =
        std::max(1e-14, std::pow(10.0, std::floor(std::log10(std::min(least, top)))));
    for (std::size_t m = 0; m < results_.traces.size(); ++m) {
        const Iteration_Trace& t = results_.traces[m];
        const QColor& colour = Method_Colours[m % 4];
        for (const bool dashed : {true, false}) {
            const std::vector<double>& v = dashed ? t.change : t.error;
            QLineSeries* s =
                Curve(v, Trace_Name(t) + (dashed ? QStringLiteral(" change") : QString()), colour,
                      dashed, floor);
            chart->addSeries(s);
            s->attachAxis(x);
            s->attachAxis(y);
            // One legend entry per method, in its colour; the title says
            // which line style is which.
            for (QLegendMarker* marker : chart->legend()->markers(s)) {
                marker->setVisible(!dashed);
            }
        }
        right = std::max(right, static_cast<double>(t.sweeps));
    }
    x->setRange(0, right);
    y->setRange(floor, std::pow(10.0, std::ceil(std::log10(top))));
    chart->legend()->setAlignment(Qt::AlignRight);
    QChart* old = Chart()->chart();
    Chart()->setChart(chart);
    delete old;
}

void Convergence_Tab::Show_Methods() {
    const Convergence_Results& r = results_;
    QTableWidget* t = Method_Table();
    t->setRowCount(0);
    // Jacobi, Gauss-Seidel, SOR with the typed factor, SOR with the
    // estimated one.
    const QString names[4] = {QStringLiteral("Jacobi"), QStringLiteral("Gauss-Seidel"),
                              QStringLiteral("SOR (typed ω)"), QStringLiteral("SOR (estimated ω)")};
    int row = 0;
    for (const Iteration_Trace& tr : r.traces) {
        Set_Row(t, row,
                {names[row % 4], N(tr.omega), QString::number(tr.sweeps),
                 tr.settled ? QStringLiteral("yes") : QStringLiteral("no (limit)"),
                 N(std::round(tr.seconds * 1e4) / 10), N(tr.Final_Error())});
        ++row;
    }
    if (!r.traces.empty()) {
        // A run answered directly already holds the solution: it took no
        // time here.
        Set_Row(t, row,
                {QStringLiteral("Direct solution"), QString(), QString(), QString(),
                 r.direct->from_run ? QStringLiteral("the run's own")
                                    : N(std::round(r.direct->seconds * 1e4) / 10),
                 QStringLiteral("0")});
    }
    Fit_Height(t);
    if (r.traces.size() < 2) {
        Method_Text()->setText(QString::fromStdString(r.message));
        return;
    }
    const double rho_gs = r.rho_jacobi * r.rho_jacobi;
    QString text = QString::fromStdString(Stop_Rule_Sentence(rho_gs)) + QLatin1Char(' ');
    if (r.rho_from_equations) {
        text += QStringLiteral(
                    "Jacobi's spectral radius, from the slowest mode of the node equations "
                    "(inverse iteration), is ρ = ") +
                N(r.rho_jacobi) + QStringLiteral("; Gauss-Seidel's is about ρ² = ") + N(rho_gs) +
                QStringLiteral(" and SOR's best factor 2/(1+√(1−ρ²)) ≈ ") + N(r.omega_estimated) +
                QStringLiteral(". ");
        if (r.rho_gs_measured > 0) {
            text += QStringLiteral("Over its last sweeps Gauss-Seidel's change shrank by ") +
                    N(r.rho_gs_measured) +
                    QStringLiteral(
                        " a sweep: it nears ρ² only once the slowest error mode is all that is "
                        "left. ");
        }
    } else {
        text += QStringLiteral("Gauss-Seidel's change per sweep decays by about ") + N(rho_gs) +
                QStringLiteral(" a sweep, so Jacobi's spectral radius is about ") +
                N(r.rho_jacobi) + QStringLiteral(" and SOR's best factor 2/(1+√(1−ρ²)) ≈ ") +
                N(r.omega_estimated) + QStringLiteral(". ");
    }
    text += QStringLiteral("Each method stops at the solver's rule (change ≤ 1e-6 C) or after ") +
            QString::number(r.sweep_limit) + QStringLiteral(" sweeps.");
    Method_Text()->setText(text);
}

void Convergence_Tab::Show_Refinement() {
    const Refinement_Study& r = results_.refinement;
    QTableWidget* t = Refinement_Table();
    t->setRowCount(0);
    for (int k = 0; k < r.levels; ++k) {
        const Fd_Grid& g = r.grids[static_cast<std::size_t>(k)];
        const std::size_t u = static_cast<std::size_t>(k);
        Set_Row(t, k,
                {g.Wall() ? QString::number(g.nx)
                          : QString::number(g.nx) + QStringLiteral(" × ") + QString::number(g.ny),
                 N(g.dx), N(r.value[u]), k > 0 ? N(r.value[u] - r.value[u - 1]) : QString(),
                 k > 0 ? N(r.largest[u - 1]) : QString(),
                 r.has_exact ? N(r.exact_error[u]) : QStringLiteral("-")});
    }
    Fit_Height(t);
    const QString node = results_.refinement.grids[0].Wall()
                             ? QStringLiteral("node ") + QString::number(r.i)
                             : QStringLiteral("node (") + QString::number(r.i) +
                                   QStringLiteral(", ") + QString::number(r.j) +
                                   QStringLiteral(")");
    QString text;
    if (r.levels == 3 && r.order > 0) {
        text = QStringLiteral("Observed order of accuracy at ") + node + QStringLiteral(": ") +
               N(r.order) + QStringLiteral(" (over all coarse nodes: ") + N(r.global_order) +
               QStringLiteral("). Richardson estimate of the grid-independent value: ") +
               N(r.richardson) + QStringLiteral(" C.");
    } else {
        text = QStringLiteral("The order cannot be measured at ") + node +
               QStringLiteral(" (its changes vanish or change sign). ") +
               QString::fromStdString(r.message);
    }
    if (r.has_exact) {
        text += QStringLiteral(" Exact continuous profile there: ") + N(r.exact) +
                QStringLiteral(" C. ") + QString::fromLatin1(Wall_Face_Order_Sentence);
    }
    Refinement_Text()->setText(text);
}

namespace {

// The explicit limit from the node equations, and the program's own check
// beside it where the two differ (a held side with a typed h counts there).
QString Stable_Step_Text(const Time_Step_Study& r) {
    if (!std::isfinite(r.largest_stable)) {
        return QStringLiteral(
            "Every node of this run is held, so the explicit scheme is stable for any time "
            "step. ");
    }
    QString text =
        QStringLiteral("The explicit scheme is stable on this grid for time steps up to ") +
        N(r.largest_stable) +
        QStringLiteral(
            " s (there every node's new temperature keeps a non-negative share of "
            "its old one: 1 - F0 d / cell >= 0 in its node equation). ");
    if (std::fabs(r.largest_checked - r.largest_stable) > 1e-9 * r.largest_stable) {
        text += QStringLiteral(
                    "The program's stability check, which counts the heat-transfer "
                    "coefficient typed for every side whatever the side's kind, passes time "
                    "steps up to ") +
                N(r.largest_checked) + QStringLiteral(" s. ");
    }
    return text;
}

}  // namespace

void Convergence_Tab::Show_Time() {
    const Time_Step_Study& r = results_.time;
    QTableWidget* t = Time_Table();
    t->setRowCount(0);
    QString text = Stable_Step_Text(r);
    if (!r.ok) {
        Time_Text()->setText(text + QString::fromStdString(r.message));
        return;
    }
    for (int k = 0; k < 3; ++k) {
        const std::size_t u = static_cast<std::size_t>(k);
        Set_Row(t, k,
                {N(r.dt[u]),
                 N(r.explicit_value[u]) +
                     (r.explicit_stable[u] ? QString() : QStringLiteral(" (unstable step)")),
                 N(r.implicit_value[u])});
    }
    Fit_Height(t);
    text += QStringLiteral("Values at the chosen node at t = ") + N(r.end_time) +
            QStringLiteral(" s. Observed order in time: explicit ") + Order_Text(r.explicit_order) +
            QStringLiteral(", implicit ") + Order_Text(r.implicit_order) +
            QStringLiteral(
                " (both schemes are first order: halving the step halves the "
                "change).");
    if (r.has_exact) {
        text += QStringLiteral(" Exact series solution of the wall (50 terms): ") + N(r.exact) +
                QStringLiteral(" C.");
    }
    Time_Text()->setText(text);
}

}  // namespace calorix
