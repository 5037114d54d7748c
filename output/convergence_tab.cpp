#include "output/convergence_tab.h"

#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <future>

#include "analysis/node_equation.h"
#include "common/number_text.h"
#include "output/output_form.h"

namespace calorix {

namespace {

QLabel* Text_Label(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QTableWidget* Table(QWidget* parent, const QStringList& heads) {
    auto* t = new QTableWidget(0, static_cast<int>(heads.size()), parent);
    t->setHorizontalHeaderLabels(heads);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

}  // namespace

Convergence_Tab::Convergence_Tab(Output_Form* form) : QWidget(form), form_(form) {
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(scroll);
    Build_Controls(page);
    scroll->setWidget(page);
    outer->addWidget(scroll);

    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this, [this] { progress_->setValue(stage_.load()); });
    connect(recompute_, &QPushButton::clicked, this, &Convergence_Tab::Start);
    connect(cancel_button_, &QPushButton::clicked, this, [this] { cancel_ = true; });
    connect(form_->Output_Tab(), &QTabWidget::currentChanged, this, [this] {
        if (form_->Output_Tab()->currentWidget() == this && pending_) {
            Start();
        }
    });
    connect(form_, &Output_Form::Closing, this, &Convergence_Tab::Stop);
}

Convergence_Tab::~Convergence_Tab() {
    Stop();
}

void Convergence_Tab::Build_Controls(QWidget* page) {
    auto* v = new QVBoxLayout(page);
    auto* row = new QHBoxLayout();
    row->addWidget(new QLabel(QStringLiteral("SOR factor ω:"), page));
    omega_ = new QLineEdit(QStringLiteral("1.5"), page);
    omega_->setMaximumWidth(70);
    row->addWidget(omega_);
    row->addWidget(new QLabel(QStringLiteral("Node i:"), page));
    node_i_ = new QSpinBox(page);
    row->addWidget(node_i_);
    row->addWidget(new QLabel(QStringLiteral("j:"), page));
    node_j_ = new QSpinBox(page);
    row->addWidget(node_j_);
    recompute_ = new QPushButton(QStringLiteral("Recompute"), page);
    row->addWidget(recompute_);
    progress_ = new QProgressBar(page);
    progress_->setRange(0, Convergence_Stages);
    row->addWidget(progress_, 1);
    cancel_button_ = new QPushButton(QStringLiteral("Cancel"), page);
    row->addWidget(cancel_button_);
    v->addLayout(row);

    methods_box_ = new QGroupBox(QStringLiteral("Iteration methods on this run's node equations"));
    auto* mv = new QVBoxLayout(methods_box_);
    chart_ = new QChartView(methods_box_);
    chart_->setMinimumHeight(320);
    chart_->setRenderHint(QPainter::Antialiasing);
    mv->addWidget(chart_);
    methods_ =
        Table(methods_box_, {QStringLiteral("Method"), QStringLiteral("ω"),
                             QStringLiteral("Sweeps"), QStringLiteral("Stop rule met"),
                             QStringLiteral("Time (ms)"), QStringLiteral("Final true error (C)")});
    mv->addWidget(methods_);
    method_text_ = Text_Label(methods_box_);
    mv->addWidget(method_text_);
    v->addWidget(methods_box_);

    refinement_box_ = new QGroupBox(QStringLiteral("Grid refinement (each grid solved directly)"));
    auto* rv = new QVBoxLayout(refinement_box_);
    refinement_ =
        Table(refinement_box_, {QStringLiteral("Grid (nodes)"), QStringLiteral("Spacing (m)"),
                                QStringLiteral("T at the node (C)"),
                                QStringLiteral("Change from the grid before (C)"),
                                QStringLiteral("Largest change at the coarse nodes (C)"),
                                QStringLiteral("Against the exact profile (C)")});
    rv->addWidget(refinement_);
    refinement_text_ = Text_Label(refinement_box_);
    rv->addWidget(refinement_text_);
    v->addWidget(refinement_box_);

    time_box_ = new QGroupBox(QStringLiteral("Time step"));
    auto* tv = new QVBoxLayout(time_box_);
    time_table_ = Table(time_box_, {QStringLiteral("Time step (s)"), QStringLiteral("Explicit (C)"),
                                    QStringLiteral("Implicit (C)")});
    tv->addWidget(time_table_);
    time_text_ = Text_Label(time_box_);
    tv->addWidget(time_text_);
    v->addWidget(time_box_);
    v->addStretch(1);
}

void Convergence_Tab::Stop() {
    cancel_ = true;
    ++generation_;
    for (std::thread* t : {&iteration_worker_, &refinement_worker_}) {
        if (t->joinable()) {
            t->join();
        }
    }
    parts_left_ = 0;
    poll_->stop();
    cancel_button_->setEnabled(false);
    recompute_->setEnabled(true);
}

void Convergence_Tab::Load(Output_Model& model, Result_Stores& stores,
                           Problem_Definition& problem) {
    Stop();
    stores_ = &stores;
    problem_ = &problem;
    kind_ = model.Kind;
    ready_ = false;
    results_ = Convergence_Results();
    const Fd_Grid g = Run_Grid(problem, stores, kind_);
    int i = 1, j = 1;
    Centre_Node(g, i, j);
    node_i_->setRange(1, std::max(1, g.nx));
    node_j_->setRange(1, std::max(1, g.ny));
    node_i_->setValue(i);
    node_j_->setValue(j);
    node_j_->setEnabled(!g.Wall());
    const bool steady = !g.Transient();
    methods_box_->setVisible(steady);
    refinement_box_->setVisible(steady);
    time_box_->setVisible(!steady);
    omega_->setEnabled(steady);
    for (QTableWidget* t : {methods_, refinement_, time_table_}) {
        t->setRowCount(0);
    }
    for (QLabel* l : {method_text_, refinement_text_, time_text_}) {
        l->setText(QStringLiteral("Computed when this page is shown."));
    }
    // The view gives up the chart it showed; it is this page's to delete.
    QChart* old = chart_->chart();
    chart_->setChart(new QChart());
    delete old;
    progress_->setValue(0);
    pending_ = true;
    if (form_->Output_Tab()->currentWidget() == this) {
        Start();
    }
}

void Convergence_Tab::Start() {
    if (stores_ == nullptr) {
        return;
    }
    Stop();
    pending_ = false;
    ready_ = false;
    results_ = Convergence_Results();
    results_.steady = kind_ == Kind_Steady_1D || kind_ == Kind_Steady_2D;
    cancel_ = false;
    stage_ = 0;
    Convergence_Request request;
    request.kind = kind_;
    request.omega = Text_To_Number(omega_->text().toStdString());
    request.i = node_i_->value();
    request.j = node_j_->value();
    progress_->setValue(0);
    cancel_button_->setEnabled(true);
    recompute_->setEnabled(false);
    poll_->start();
    const Problem_Definition p = *problem_;
    const int generation = ++generation_;
    if (kind_ == Kind_Transient_1D || kind_ == Kind_Transient_2D) {
        parts_left_ = 1;
        const Result_Stores* stores = stores_;
        iteration_worker_ = std::thread([this, p, stores, request, generation] {
            Time_Step_Study r = Study_Time_Step(p, *stores, request, &cancel_);
            stage_ = Convergence_Stages;
            QMetaObject::invokeMethod(
                this, [this, r = std::move(r), generation] { Time_Done(r, generation); },
                Qt::QueuedConnection);
        });
        return;
    }
    // The two steady parts share the run's direct solution: whichever asks
    // first solves it, the other waits for it.  The refinement's thread
    // runs Jacobi first, so that the iteration methods are shown in about
    // half their time on one thread.
    parts_left_ = 2;
    const std::shared_ptr<Direct_Solve_Cache> cache = form_->Direct_Cache();
    auto jacobi = std::make_shared<std::packaged_task<Iteration_Trace()>>(
        [this, p, cache] { return Study_Jacobi(p, *cache, &stage_, &cancel_); });
    std::shared_future<Iteration_Trace> jacobi_trace = jacobi->get_future().share();
    refinement_worker_ = std::thread([this, p, cache, request, generation, jacobi] {
        (*jacobi)();
        Refinement_Study r = Study_Grid_Refinement(p, *cache, request, &stage_, &cancel_);
        QMetaObject::invokeMethod(
            this, [this, r = std::move(r), generation] { Refinement_Done(r, generation); },
            Qt::QueuedConnection);
    });
    iteration_worker_ = std::thread([this, p, cache, request, generation, jacobi_trace] {
        Convergence_Results r;
        Study_Iteration_Methods(p, *cache, request.omega, r, &stage_, &cancel_, jacobi_trace);
        QMetaObject::invokeMethod(
            this, [this, r = std::move(r), generation] { Iterations_Done(r, generation); },
            Qt::QueuedConnection);
    });
}

bool Convergence_Tab::Take_Part(std::thread& worker, int generation) {
    if (generation != generation_) {
        return false;
    }
    if (worker.joinable()) {
        worker.join();
    }
    return true;
}

void Convergence_Tab::Iterations_Done(const Convergence_Results& r, int generation) {
    if (!Take_Part(iteration_worker_, generation)) {
        return;
    }
    results_.message = r.message;
    results_.direct = r.direct;
    results_.traces = r.traces;
    results_.rho_jacobi = r.rho_jacobi;
    results_.rho_from_equations = r.rho_from_equations;
    results_.rho_gs_measured = r.rho_gs_measured;
    results_.omega_estimated = r.omega_estimated;
    results_.sweep_limit = r.sweep_limit;
    if (!cancel_) {
        Show_Methods();
        // The chart is built at the next turn of the event loop, its
        // painting at the one after: no single turn holds the window long.
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_) {
                Show_Chart();
            }
        });
        emit Iterations_Ready();
    }
    Part_Shown(method_text_);
}

void Convergence_Tab::Refinement_Done(const Refinement_Study& r, int generation) {
    if (!Take_Part(refinement_worker_, generation)) {
        return;
    }
    results_.refinement = r;
    if (!cancel_) {
        Show_Refinement();
        emit Refinement_Ready();
    }
    Part_Shown(refinement_text_);
}

void Convergence_Tab::Time_Done(const Time_Step_Study& r, int generation) {
    if (!Take_Part(iteration_worker_, generation)) {
        return;
    }
    results_.steady = false;
    results_.time = r;
    if (!cancel_) {
        Show_Time();
    }
    Part_Shown(time_text_);
}

void Convergence_Tab::Part_Shown(QLabel* text) {
    // A part that finished before Cancel stays shown.
    if (cancel_) {
        text->setText(QStringLiteral("Cancelled. Press Recompute to start again."));
    }
    if (--parts_left_ > 0) {
        return;
    }
    poll_->stop();
    cancel_button_->setEnabled(false);
    recompute_->setEnabled(true);
    if (cancel_) {
        return;
    }
    progress_->setValue(Convergence_Stages);
    ready_ = true;
    emit Study_Ready();
}

}  // namespace calorix
