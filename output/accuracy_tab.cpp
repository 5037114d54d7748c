#include "output/accuracy_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis/balance_text.h"
#include "analysis/direct_solve_cache.h"
#include "analysis/exact_solution.h"
#include "analysis/field_views.h"
#include "analysis/heat_balance.h"
#include "analysis/node_equation.h"
#include "common/number_text.h"
#include "output/analytic_curve.h"
#include "output/output_form.h"
#include "output/shaded_plot_panel.h"
#include "output/temperature_chart.h"
#include "output/text_table_model.h"
#include "solvers/presentation.h"

namespace calorix {

namespace {

const char* const Side_Names[4] = {"Left", "Right", "Top", "Bottom"};

QString Html(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

QLabel* Text_Label(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::RichText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return l;
}

}  // namespace

Accuracy_Tab::Accuracy_Tab(Output_Form* form) : QWidget(form), form_(form) {
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(scroll);
    auto* v = new QVBoxLayout(page);
    v->addWidget(Build_Balance_Box(page));
    v->addWidget(Build_Error_Box(page));
    auto* explain_box = new QGroupBox(QStringLiteral("Node equation"), page);
    auto* xv = new QVBoxLayout(explain_box);
    explain_ = Text_Label(explain_box);
    xv->addWidget(explain_);
    v->addWidget(explain_box);
    v->addStretch(1);
    scroll->setWidget(page);
    outer->addWidget(scroll);
    Connect_Signals();
}

QWidget* Accuracy_Tab::Build_Balance_Box(QWidget* page) {
    auto* box = new QGroupBox(QStringLiteral("Heat balance"), page);
    auto* bv = new QVBoxLayout(box);
    auto* level_row = new QHBoxLayout();
    level_label_ = new QLabel(QStringLiteral("Time level shown:"), box);
    level_list_ = new QComboBox(box);
    level_list_->setMinimumWidth(120);
    level_row->addWidget(level_label_);
    level_row->addWidget(level_list_);
    level_row->addStretch(1);
    bv->addLayout(level_row);
    balance_ = Text_Label(box);
    bv->addWidget(balance_);
    return box;
}

QWidget* Accuracy_Tab::Build_Error_Box(QWidget* page) {
    auto* box = new QGroupBox(QStringLiteral("Iteration error"), page);
    auto* ev = new QVBoxLayout(box);
    error_ = Text_Label(box);
    ev->addWidget(error_);
    view_row_ = new QWidget(box);
    auto* vr = new QHBoxLayout(view_row_);
    vr->setContentsMargins(0, 0, 0, 0);
    vr->addWidget(new QLabel(QStringLiteral("Table and picture show:"), view_row_));
    view_switch_ = new QComboBox(view_row_);
    view_switch_->addItems({QStringLiteral("Gauss-Seidel result"),
                            QStringLiteral("Exact solution of the node equations"),
                            QStringLiteral("Difference (Gauss-Seidel - exact)")});
    vr->addWidget(view_switch_);
    vr->addStretch(1);
    ev->addWidget(view_row_);
    return box;
}

void Accuracy_Tab::Connect_Signals() {
    connect(view_switch_, &QComboBox::currentIndexChanged, this, &Accuracy_Tab::Set_View);
    connect(form_->Exact_Profile_Box(), &QCheckBox::toggled, this, &Accuracy_Tab::Redraw_Profile);
    connect(level_list_, &QComboBox::currentIndexChanged, this, [this] { Show_Balance(); });
    connect(form_->Table_View(), &QTableView::clicked, this,
            [this](const QModelIndex& i) { Explain_Cell(i.row() + 1, i.column() + 1); });
    // A node clicked on the picture is explained at the level the picture
    // shows.
    connect(form_->Shaded_Panel(), &Shaded_Plot_Panel::Frame_Drawn, this,
            [this](int level) { picture_level_ = level; });
    connect(form_->Shaded_Panel(), &Shaded_Plot_Panel::Node_Clicked, this,
            &Accuracy_Tab::Explain_Picture_Node);
    connect(form_->Output_Tab(), &QTabWidget::currentChanged, this, [this] {
        if (form_->Output_Tab()->currentWidget() == this) {
            Solve_Exact();
        }
    });
    connect(form_->Time_List(), &QComboBox::textActivated, this, &Accuracy_Tab::Follow_Time_List);
    connect(form_->Time_List()->lineEdit(), &QLineEdit::returnPressed, this,
            &Accuracy_Tab::Follow_Time_List);
    // The window redraws the run's own picture when its graphical tab is
    // chosen; an exact or difference view is put back over it.
    connect(form_, &Output_Form::Shaded_Picture_Requested, this, [this](int kind) {
        if (kind == Kind_Steady_2D && view_ != Gauss_Seidel_View) {
            form_->Shaded_Panel()->Show_Steady_2D(view_2d_);
        }
    });
}

void Accuracy_Tab::Load(Output_Model& model, Result_Stores& stores, Problem_Definition& problem) {
    model_ = &model;
    stores_ = &stores;
    problem_ = &problem;
    kind_ = model.Kind;
    view_ = Gauss_Seidel_View;
    {
        const QSignalBlocker b(view_switch_);
        view_switch_->setCurrentIndex(0);
    }
    form_->Shaded_Panel()->Set_Difference_Scale(false);
    const bool steady = kind_ == Kind_Steady_1D || kind_ == Kind_Steady_2D;
    exact_solved_ = false;
    exact_.reset();
    exact_pending_ = steady;
    if (steady) {
        // The wall's exact solve is a few microseconds and its analytic
        // profile goes on the chart at once; the plate's direct solve
        // (11 ms at 100 x 100, 75 ms at 200 x 200) waits until this page is
        // looked at, so the results window opens without it.
        error_->clear();
        if (kind_ == Kind_Steady_1D || form_->Output_Tab()->currentWidget() == this) {
            Solve_Exact();
        }
    } else {
        Clear_Analytic_Profile(form_->Chart_View());
        error_->setText(QStringLiteral(
            "The exact solution of the node equations is computed for the steady kinds; a "
            "transient level shows its scheme's balance above instead."));
    }
    view_row_->setVisible(steady && exact_solved_);

    {
        const QSignalBlocker b(level_list_);
        level_list_->clear();
        if (!steady) {
            for (int n = First_Level(kind_); n <= Last_Level(stores, kind_); ++n) {
                level_list_->addItem(QString::fromStdString(Level_Text(n)), n);
            }
            level_list_->setCurrentIndex(level_list_->count() - 1);
        }
    }
    level_label_->setVisible(!steady);
    level_list_->setVisible(!steady);
    const bool plate = kind_ == Kind_Steady_2D || kind_ == Kind_Transient_2D;
    explain_->setText(plate ? QStringLiteral("Click a cell of the results table or a node of the "
                                             "picture to see the finite-difference equation that "
                                             "made it, with the numbers of this run.")
                            : QStringLiteral("Click a cell of the results table to see the "
                                             "finite-difference equation that made it, with the "
                                             "numbers of this run."));
    Show_Balance();
}

void Accuracy_Tab::Solve_Exact() {
    if (!exact_pending_ || stores_ == nullptr) {
        return;
    }
    exact_pending_ = false;
    const Fd_Grid g = Run_Grid(*problem_, *stores_, kind_);
    Result_Stores& stores = *stores_;
    exact_ = form_->Direct_Cache()->Get();
    const Exact_Solution& x = *exact_;
    exact_solved_ = x.solved;
    std::string text;
    if (x.solved) {
        const int sweeps =
            kind_ == Kind_Steady_1D ? stores.Steady_1D.Sweeps : stores.Steady_2D.Sweeps;
        const Field_Difference d =
            Largest_Difference(g, Instrument_Field(stores, kind_), x.values.data());
        // A run answered by the direct solve after Gauss-Seidel gave up has
        // no Gauss-Seidel result to judge: say what the values are.
        text = model_ != nullptr && !model_->Method_Note.empty()
                   ? Direct_Result_Sentence()
                   : Iteration_Error_Sentence(g, sweeps, d);
        const int zeros = Nodes_Stored_As_Zero(stores, kind_);
        if (zeros > 0) {
            text += " Both are compared unclamped: " + std::to_string(zeros) +
                    (zeros == 1 ? " node was" : " nodes were") +
                    " stored as 0 (results below 0.01 C are).";
        }
    } else {
        text = x.message;
    }
    if (kind_ == Kind_Steady_1D) {
        text +=
            "\n" + Show_Analytic_Profile(form_->Chart_View(), g, Instrument_Field(stores, kind_));
    }
    error_->setText(Html(text).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    view_row_->setVisible(exact_solved_);
}

void Accuracy_Tab::Redraw_Profile() {
    // The curve goes with the run's result and with the exact view; the
    // difference view has none.
    if (kind_ != Kind_Steady_1D || stores_ == nullptr || view_ == Difference_View) {
        return;
    }
    const double* field =
        view_ == Exact_View ? view_1d_.Temperature_1D.Data() : Steady_Field(*stores_, kind_);
    Show_Analytic_Profile(form_->Chart_View(), Run_Grid(*problem_, *stores_, kind_), field);
}

std::string Accuracy_Tab::Level_Text(int level) const {
    return "t = " + General_Text((level - First_Level(kind_)) * problem_->Time_Step) + " s";
}

int Accuracy_Tab::Level() const {
    const QVariant v = level_list_->currentData();
    return v.isValid() ? v.toInt() : Last_Level(*stores_, kind_);
}

void Accuracy_Tab::Follow_Time_List() {
    if (kind_ != Kind_Transient_2D || stores_ == nullptr) {
        return;
    }
    const int level = Time_Text_Level(stores_->Transient_2D, problem_->Time_Step,
                                      form_->Time_List()->currentText().toStdString());
    level_list_->setCurrentIndex(level_list_->findData(level));
}

void Accuracy_Tab::Show_Balance() {
    if (stores_ == nullptr) {
        return;
    }
    const Fd_Grid g = Run_Grid(*problem_, *stores_, kind_);
    Balance_Table t;
    if (!g.Transient()) {
        t = Steady_Balance_Table(g, Side_Balance(g, Instrument_Field(*stores_, kind_)),
                                 Nodes_Stored_As_Zero(*stores_, kind_));
    } else {
        const int level = Level();
        const int first = First_Level(kind_);
        const double* field = Level_Field(*stores_, kind_, level);
        const double* before = level > first ? Level_Field(*stores_, kind_, level - 1) : field;
        const Heat_Balance b = Step_Balance(g, before, field);
        const Cumulative_Balance c = Cumulative_Balance_To(g, *stores_, kind_, level);
        t = Transient_Balance_Table(g, b, level > first ? &c : nullptr,
                                    Level_Text(std::max(first, level - 1)), Level_Text(level));
    }
    QString h = QStringLiteral("<p>%1</p><table cellspacing=0 cellpadding=3 border=1>")
                    .arg(Html(t.heading));
    for (const Balance_Row& r : t.rows) {
        const QString b = r.bold ? QStringLiteral("b") : QStringLiteral("span");
        h += QStringLiteral(
                 "<tr><td><%1>%2</%1></td><td align=right><%1>%3</%1></td>"
                 "<td>%4</td></tr>")
                 .arg(b, Html(r.what), Html(r.value), Html(r.how));
    }
    h += QStringLiteral("</table>");
    for (const std::string& n : t.notes) {
        h += QStringLiteral("<p>%1</p>").arg(Html(n));
    }
    balance_->setText(h);
}

void Accuracy_Tab::Explain_Cell(int row, int col) {
    if (stores_ == nullptr) {
        return;
    }
    const bool plate = kind_ == Kind_Steady_2D || kind_ == Kind_Transient_2D;
    int level = 0;
    if (kind_ == Kind_Transient_1D) {
        level = row;  // row n holds level n
        const QSignalBlocker b(level_list_);
        level_list_->setCurrentIndex(level_list_->findData(level));
        Show_Balance();
    } else if (kind_ == Kind_Transient_2D) {
        // The table shows the level of its time list.
        level = Time_Text_Level(stores_->Transient_2D, problem_->Time_Step,
                                form_->Time_List()->currentText().toStdString());
    }
    Explain_Node_At(col, plate ? row : 1, level);
}

void Accuracy_Tab::Explain_Picture_Node(int i, int j) {
    if (stores_ == nullptr) {
        return;
    }
    // The level the picture shows, which a play moves on and the table's
    // time list does not follow.
    const int k = level_list_->findData(picture_level_);
    if (kind_ == Kind_Transient_2D && k >= 0) {
        level_list_->setCurrentIndex(k);
    }
    Explain_Node_At(i, j, picture_level_);
    Shaded_Plot_Panel* panel = form_->Shaded_Panel();
    if (panel->Playing()) {
        // Leaving the picture's tab would end the play: the explanation
        // shows in place, beside the click.
        const Plate_Geometry g = panel->Plate_On_Screen();
        const QPoint at = QPointF(g.X_Of_Node(i), g.Y_Of_Node(j)).toPoint();
        QToolTip::showText(panel->mapToGlobal(at), explain_->text(), panel);
    } else {
        form_->Output_Tab()->setCurrentWidget(this);
    }
}

void Accuracy_Tab::Explain_Node_At(int i, int j, int level) {
    const Fd_Grid g = Run_Grid(*problem_, *stores_, kind_);
    const double* field = nullptr;
    const double* old = nullptr;
    std::string level_text;
    if (g.Transient()) {
        field = Level_Field(*stores_, kind_, level);
        old = level > First_Level(kind_) ? Level_Field(*stores_, kind_, level - 1) : nullptr;
        level_text = "at " + Level_Text(level);
    } else {
        field = Instrument_Field(*stores_, kind_);
    }
    if (i < 1 || i > g.nx || j < 1 || j > g.ny) {
        return;
    }
    Node_Explanation x = Explain_Node(g, i, j, field, old, level_text);
    const bool clamped = !g.Transient() && Steady_Field(*stores_, kind_)[g.At(i, j)] != x.stored;
    if (clamped) {
        x.note =
            "Stored as 0 in the results (results below 0.01 C are); the equation is shown "
            "with the unclamped values.";
    }
    QString h = QStringLiteral(
                    "<p><b>%1</b></p><p style='font-size:11pt'>%2</p>"
                    "<p><i>%3</i></p><p style='font-size:11pt'>%4</p>")
                    .arg(Html(x.title), Html(x.symbols), Html(x.where), Html(x.substituted));
    h += QStringLiteral(
             "<p>Value the equation yields: <b>%1</b> C &nbsp; %4 value: <b>%2</b> "
             "C &nbsp; Residual (%5 - yielded): <b>%3</b> C</p>")
             .arg(Html(Equation_Number(x.computed)), Html(Equation_Number(x.stored)),
                  Html(Equation_Number(x.residual)),
                  clamped ? QStringLiteral("Unclamped") : QStringLiteral("Stored"),
                  clamped ? QStringLiteral("unclamped") : QStringLiteral("stored"));
    if (!x.note.empty()) {
        h += QStringLiteral("<p>%1</p>").arg(Html(x.note));
    }
    explain_->setText(h);
}

void Accuracy_Tab::Show_Table(const Output_Model& m) {
    form_->Table_Model()->Set_Table(&m.Output_Table);
    form_->Table_Title()->setText(QString::fromStdString(m.Table_Title_Label));
    // The heading cell sits in the corner of the table's headers.
    form_->Table_Corner()->setText(QString::fromStdString(m.Output_Table.Cell(0, 0)));
}

void Accuracy_Tab::Set_View(int view) {
    Solve_Exact();
    if (stores_ == nullptr || !exact_solved_ ||
        (kind_ != Kind_Steady_1D && kind_ != Kind_Steady_2D)) {
        return;
    }
    view_ = view;
    Shaded_Plot_Panel* panel = form_->Shaded_Panel();
    const Fd_Grid g = Run_Grid(*problem_, *stores_, kind_);
    panel->Set_Difference_Scale(view == Difference_View);
    if (view == Gauss_Seidel_View) {
        // Back to the run's own presentation.
        Show_Table(*model_);
        if (kind_ == Kind_Steady_2D) {
            if (panel->Kind() == Kind_Steady_2D) {
                panel->Show_Steady_2D(stores_->Steady_2D);
            }
        } else {
            form_->Chart_View()->Draw(model_->Chart);
            Show_Analytic_Profile(form_->Chart_View(), g, Instrument_Field(*stores_, kind_));
        }
        return;
    }
    Present_Field_View(*problem_, *stores_, kind_, view, exact_->values, view_1d_, view_2d_,
                       view_model_);
    Show_Table(view_model_);
    if (kind_ == Kind_Steady_2D) {
        if (panel->Kind() == Kind_Steady_2D) {
            panel->Show_Steady_2D(view_2d_);
        }
    } else {
        form_->Chart_View()->Draw(view_model_.Chart);
        if (view == Exact_View) {
            Show_Analytic_Profile(form_->Chart_View(), g, view_1d_.Temperature_1D.Data());
        } else {
            Clear_Analytic_Profile(form_->Chart_View());
        }
    }
}

}  // namespace calorix
