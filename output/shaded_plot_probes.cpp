// Probes of the plate: a right click on a node offers the node's temperature
// over time (2-D transient) and the temperatures along its row and column; in
// probe mode a left click on a transient picture charts the node at once.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>

#include "analysis/plate_probes.h"
#include "common/number_text.h"
#include "output/probe_chart_window.h"
#include "output/shaded_plot_panel.h"

namespace calorix {

Probe_Chart_Window* Shaded_Plot_Panel::Probe_Window() {
    if (probe_window_ == nullptr) {
        probe_window_ = new Probe_Chart_Window(this);
    }
    return probe_window_;
}

void Shaded_Plot_Panel::Show_Probe(const Probe_Series& series, const Analytic_Profile& exact) {
    Probe_Chart_Window* w = Probe_Window();
    w->Show_Series(series, exact);
    w->show();
    w->raise();
}

void Shaded_Plot_Panel::Show_Node_History(int i, int j) {
    if (kind_ != 3 || transient_ == nullptr) {
        return;
    }
    Show_Probe(Node_History(*transient_, i, j, time_step_), Analytic_Profile());
}

void Shaded_Plot_Panel::Show_Line_Profile(bool row, int index) {
    const Node_Plane* t = Field_On_Display();
    if (t == nullptr) {
        return;
    }
    Analytic_Profile exact;
    if (kind_ == 1 && plate_problem_ != nullptr) {
        exact = Line_Exact_Profile(*plate_problem_, nodes_x_, nodes_y_, row);
    }
    Show_Probe(Line_Profile(*t, row, row ? nodes_x_ : nodes_y_, index, dx_), exact);
}

void Shaded_Plot_Panel::Pick_Node(int i, int j) {
    if (kind_ == 3 && probe_box_->isChecked()) {
        Show_Node_History(i, j);
    } else {
        emit Node_Clicked(i, j);
    }
}

void Shaded_Plot_Panel::contextMenuEvent(QContextMenuEvent* event) {
    const Node_Plane* t = Field_On_Display();
    if (t == nullptr) {
        return;
    }
    const QPoint at = event->pos();
    const Probe_Reading r = Probe_At(Plate_On_Screen(), at.x(), at.y(), *t);
    if (!r.Inside) {
        return;
    }
    const int i = r.I;
    const int j = r.J;
    QMenu menu(this);
    const QString node = QStringLiteral(" (%1, %2)").arg(i).arg(j);
    if (kind_ == 3) {
        menu.addAction(QStringLiteral("Temperature at node") + node + QStringLiteral(" with time"),
                       this, [this, i, j] { Show_Node_History(i, j); });
    }
    menu.addAction(QStringLiteral("Temperature along row ") + QString::number(j), this,
                   [this, j] { Show_Line_Profile(true, j); });
    menu.addAction(QStringLiteral("Temperature along column ") + QString::number(i), this,
                   [this, i] { Show_Line_Profile(false, i); });
    menu.exec(event->globalPos());
}

}  // namespace calorix
