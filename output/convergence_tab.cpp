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
    if (worker_.joinable()) {
        worker_.join();
    }
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
    const Result_Stores* stores = stores_;
    const int generation = ++generation_;
    worker_ = std::thread([this, p, stores, request, generation] {
        Convergence_Results r = Study_Convergence(p, *stores, request, &stage_, &cancel_);
        QMetaObject::invokeMethod(
            this, [this, r = std::move(r), generation] { Finished(r, generation); },
            Qt::QueuedConnection);
    });
}

void Convergence_Tab::Finished(const Convergence_Results& r, int generation) {
    if (generation != generation_) {
        return;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    poll_->stop();
    cancel_button_->setEnabled(false);
    recompute_->setEnabled(true);
    results_ = r;
    if (cancel_) {
        for (QLabel* l : {method_text_, refinement_text_, time_text_}) {
            l->setText(QStringLiteral("Cancelled. Press Recompute to start again."));
        }
        return;
    }
    progress_->setValue(Convergence_Stages);
    ready_ = true;
    if (results_.steady) {
        Show_Methods();
        Show_Chart();
        Show_Refinement();
    } else {
        Show_Time();
    }
    emit Study_Ready();
}

}  // namespace calorix
