#include "output/output_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "common/number_text.h"
#include "output/input_sketch.h"
#include "output/remembered_choices.h"
#include "output/results_table_view.h"
#include "output/shaded_plot_panel.h"
#include "output/temperature_chart.h"
#include "output/text_table_model.h"

namespace calorix {

namespace {

QLabel* Side_Caption(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #1a3c78; font-weight: bold; font-size: 8pt;"));
    l->hide();
    return l;
}

}  // namespace
QGroupBox* Output_Form::Build_Input_Copy(int k) {
    Input_Copy_Controls& c = copies_[static_cast<std::size_t>(k)];
    c.Output_Frame = new QGroupBox(this);
    c.Output_Frame->setMinimumWidth(300);
    auto* v = new QVBoxLayout(c.Output_Frame);
    auto* form = new QFormLayout();
    form->setLabelAlignment(Qt::AlignRight);
    auto box = [&](Display_Box b) {
        auto* t = new QLineEdit(c.Output_Frame);
        t->setReadOnly(true);
        t->setFocusPolicy(Qt::NoFocus);
        t->setMaximumWidth(110);
        c.Text[static_cast<std::size_t>(b)] = t;
        return t;
    };
    // The two copies word their labels differently.
    const bool first = k == 0;
    form->addRow(QStringLiteral("Grid Size (cm) ="), box(Box_Grid_Size));
    form->addRow(first ? QStringLiteral("Nodes in x_Direction =")
                       : QStringLiteral("Number of Grids in the x_Direction ="),
                 box(Box_X_Grid));
    c.Y_Grid_Label = new QLabel(first ? QStringLiteral("Nodes in y_Direction =")
                                      : QStringLiteral("Number of Grids in the y_Direction ="),
                                c.Output_Frame);
    form->addRow(c.Y_Grid_Label, box(Box_Y_Grid));
    form->addRow(first ? QStringLiteral("Heat Generation (W/m^3) =")
                       : QStringLiteral("Heat Generation Rate (W/m^3) ="),
                 box(Box_Heat_Generation));
    form->addRow(first ? QStringLiteral("Conductivity (W/m.K) =")
                       : QStringLiteral("Thermal Conductivity (W/m.K) ="),
                 box(Box_Thermal_Conductivity));
    form->addRow(QStringLiteral("Initial Temperature (C) ="), box(Box_Guess_Initial_Temperature));
    v->addLayout(form);

    c.Transient_Frame = new QGroupBox(c.Output_Frame);
    auto* tf = new QFormLayout(c.Transient_Frame);
    tf->setLabelAlignment(Qt::AlignRight);
    tf->addRow(QStringLiteral("Thermal Diffusivity (m^2/s) ="), box(Box_Diffusivity));
    tf->addRow(QStringLiteral("Time Step (s) ="), box(Box_Time_Step));
    tf->addRow(QStringLiteral("Number Of Time Steps ="), box(Box_Number_Of_Time_Steps));
    auto* scheme = new QWidget(c.Transient_Frame);
    // One above the other, so both names fit the narrow copy.
    auto* sl = new QVBoxLayout(scheme);
    sl->setContentsMargins(0, 0, 0, 0);
    c.Explicit_Option = new QRadioButton(QStringLiteral("Explicit"), scheme);
    c.Implicit_Option = new QRadioButton(QStringLiteral("Implicit"), scheme);
    // A copy shows the scheme; it is not a place to change it.
    for (QRadioButton* r : {c.Explicit_Option, c.Implicit_Option}) {
        r->setAttribute(Qt::WA_TransparentForMouseEvents);
        r->setFocusPolicy(Qt::NoFocus);
        sl->addWidget(r);
    }
    tf->addRow(QStringLiteral("Scheme Used"), scheme);
    c.Transient_Frame->hide();
    v->addWidget(c.Transient_Frame);
    v->addStretch(1);
    return c.Output_Frame;
}

QWidget* Output_Form::Build_Table_Tab() {
    auto* tab = new QWidget(this);
    auto* h = new QHBoxLayout(tab);

    // Left: the inputs of the run and a sketch of the body with its sides.
    auto* left = new QVBoxLayout();
    left->addWidget(Build_Input_Copy(0));
    auto* sketch = new QGridLayout();
    for (std::size_t s = 0; s < 4; ++s) {
        side_labels_[s] = Side_Caption(tab);
    }
    side_labels_[0]->setFixedWidth(96);
    side_labels_[1]->setFixedWidth(96);
    bar_image_ = new Input_Sketch(false, tab);
    plate_image_ = new Input_Sketch(true, tab);
    bar_image_->hide();
    plate_image_->hide();
    sketch->addWidget(side_labels_[2], 0, 1);
    sketch->addWidget(side_labels_[0], 1, 0);
    auto* images = new QVBoxLayout();
    images->addWidget(bar_image_);
    images->addWidget(plate_image_);
    sketch->addLayout(images, 1, 1);
    sketch->addWidget(side_labels_[1], 1, 2);
    sketch->addWidget(side_labels_[3], 2, 1);
    left->addLayout(sketch);
    left->addStretch(1);
    h->addLayout(left, 0);

    // Right: the title, the time of a 2-D transient level and the table.
    auto* right = new QVBoxLayout();
    auto* title_row = new QHBoxLayout();
    table_title_ = new QLabel(tab);
    QFont tf = table_title_->font();
    tf.setPointSize(11);
    tf.setBold(true);
    table_title_->setFont(tf);
    // A long title wraps rather than widen the window.
    table_title_->setWordWrap(true);
    table_title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title_row->addWidget(table_title_, 1);
    time_list_ = new QComboBox(tab);
    time_list_->setEditable(true);
    time_list_->setInsertPolicy(QComboBox::NoInsert);
    time_list_->setMinimumWidth(110);
    time_list_->setMaxVisibleItems(15);
    time_list_->hide();
    title_row->addWidget(time_list_);
    second_label_ = new QLabel(QStringLiteral("Seconds"), tab);
    second_label_->setFont(tf);
    second_label_->hide();
    title_row->addWidget(second_label_);
    right->addLayout(title_row);
    right->addLayout(Build_Hint_Row(tab));

    x_label_ = new QLabel(QStringLiteral("X Distance (m)"), tab);
    x_label_->setAlignment(Qt::AlignCenter);
    QFont af = x_label_->font();
    af.setItalic(true);
    x_label_->setFont(af);
    right->addWidget(x_label_);
    auto* table_row = new QHBoxLayout();
    y_label_ = new QLabel(QStringLiteral("Y Distance (m)"), tab);
    y_label_->setFont(af);
    y_label_->setAlignment(Qt::AlignCenter);
    y_label_->setWordWrap(true);
    y_label_->setFixedWidth(48);
    table_row->addWidget(y_label_);

    Build_Table_View(tab);
    table_row->addWidget(table_view_, 1);
    right->addLayout(table_row, 1);
    h->addLayout(right, 1);

    connect(time_list_, &QComboBox::textActivated, this, &Output_Form::Time_List_Box_Click);
    connect(time_list_->lineEdit(), &QLineEdit::returnPressed, this,
            &Output_Form::Time_List_Box_Click);
    return tab;
}

QWidget* Output_Form::Build_Graphical_Tab() {
    auto* tab = new QWidget(this);
    auto* v = new QVBoxLayout(tab);
    v->setContentsMargins(0, 0, 0, 0);

    plot_frame_ = new QGroupBox(tab);
    auto* pv = new QVBoxLayout(plot_frame_);
    x_input_frame_ = new QGroupBox(plot_frame_);
    auto* xh = new QHBoxLayout(x_input_frame_);
    auto* label5 =
        new QLabel(QStringLiteral("Temperature Variation at x = m with Time"), x_input_frame_);
    QFont lf = label5->font();
    lf.setBold(true);
    label5->setFont(lf);
    xh->addWidget(label5);
    distance_list_ = new QComboBox(x_input_frame_);
    distance_list_->setEditable(true);
    distance_list_->setInsertPolicy(QComboBox::NoInsert);
    distance_list_->setMinimumWidth(110);
    distance_list_->setMaxVisibleItems(15);
    xh->addWidget(distance_list_);
    xh->addStretch(1);
    x_input_frame_->hide();
    pv->addWidget(x_input_frame_);
    chart_ = new Temperature_Chart(plot_frame_);
    chart_->setMinimumHeight(300);
    pv->addWidget(chart_, 1);
    pv->addLayout(Build_Chart_Row());
    v->addWidget(plot_frame_, 1);

    // The shaded picture goes into this host; the second input copy waits
    // in it until the picture takes it over.
    shaded_host_ = new QWidget(tab);
    auto* sh = new QHBoxLayout(shaded_host_);
    sh->setContentsMargins(0, 0, 0, 0);
    // A picture of a large grid is larger than the window: it scrolls.
    auto* scroll = new QScrollArea(shaded_host_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    shaded_panel_ = new Shaded_Plot_Panel;
    shaded_panel_->Set_Input_Copy(Build_Input_Copy(1));
    scroll->setWidget(shaded_panel_);
    scroll->viewport()->setAutoFillBackground(false);
    shaded_panel_->setAutoFillBackground(false);
    sh->addWidget(scroll, 1);
    shaded_host_->hide();
    v->addWidget(shaded_host_, 1);

    // The picture is drawn when the graphical tab is chosen for a plate, from
    // the run on display; Close ends a running animation first.
    connect(this, &Output_Form::Shaded_Picture_Requested, this, [this](int kind) {
        if (stores_ == nullptr || problem_ == nullptr) {
            return;
        }
        shaded_panel_->Set_Plate(*problem_);
        if (kind == Kind_Steady_2D) {
            shaded_panel_->Show_Steady_2D(stores_->Steady_2D);
        } else if (kind == Kind_Transient_2D) {
            shaded_panel_->Show_Transient_2D(stores_->Transient_2D, problem_->Time_Step,
                                             problem_->Number_Of_Time_Steps,
                                             time_list_->currentText().toStdString());
        }
    });
    connect(this, &Output_Form::Closing, shaded_panel_, &Shaded_Plot_Panel::Stop_Animation);

    connect(distance_list_, &QComboBox::textActivated, this, &Output_Form::Distance_List_Box_Click);
    connect(distance_list_->lineEdit(), &QLineEdit::returnPressed, this,
            &Output_Form::Distance_List_Box_Click);
    return tab;
}

// The results table with its fixed headings and the heading cell in their corner.
void Output_Form::Build_Table_View(QWidget* tab) {
    table_view_ = new Results_Table_View(tab);
    table_model_ = new Text_Table_Model(this);
    table_view_->setModel(table_model_);
    table_view_->setCornerButtonEnabled(false);
    table_view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_view_->setAlternatingRowColors(true);
    // Fixed sections: sizing every section from its contents would read all
    // cells of a long history.
    table_view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_view_->horizontalHeader()->setDefaultSectionSize(72);
    table_view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_view_->verticalHeader()->setDefaultSectionSize(24);
    table_view_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QFont hf = table_view_->horizontalHeader()->font();
    hf.setBold(true);
    table_view_->horizontalHeader()->setFont(hf);
    table_view_->verticalHeader()->setFont(hf);
    // Cell (0, 0), the table's own heading, sits in the corner of the headers.
    table_corner_ = new QLabel(table_view_);
    table_corner_->setAlignment(Qt::AlignCenter);
    table_corner_->setFont(hf);
    table_corner_->setAutoFillBackground(true);
    table_corner_->setStyleSheet(QStringLiteral("background: #dde4ee; color: #102a5c;"));
    connect(table_view_->horizontalHeader(), &QHeaderView::geometriesChanged, this,
            &Output_Form::Place_Table_Corner);
    connect(table_view_->verticalHeader(), &QHeaderView::geometriesChanged, this,
            &Output_Form::Place_Table_Corner);
    table_view_->installEventFilter(this);
}

// Under the chart: the exact-profile choice and Save Chart.
QHBoxLayout* Output_Form::Build_Chart_Row() {
    auto* chart_row = new QHBoxLayout;
    // The wall's exact continuous profile over the nodes, for a steady wall:
    // off at first, as the chart is the nodes' curve.
    exact_profile_box_ = new QCheckBox(QStringLiteral("Exact profile"), plot_frame_);
    exact_profile_box_->setToolTip(
        QStringLiteral("Draw the exact continuous temperature profile of the wall"));
    Remember_Check_Box(exact_profile_box_, QStringLiteral("chart/exact_profile"));
    chart_->Set_Exact_Profile_Shown(exact_profile_box_->isChecked());
    connect(exact_profile_box_, &QCheckBox::toggled, chart_,
            &Temperature_Chart::Set_Exact_Profile_Shown);
    chart_row->addWidget(exact_profile_box_);
    chart_row->addStretch(1);
    save_chart_command_ = new QPushButton(QStringLiteral("Save Chart…"), plot_frame_);
    save_chart_command_->setAutoDefault(false);
    save_chart_command_->setToolTip(QStringLiteral("Save the chart as a PNG or SVG picture"));
    connect(save_chart_command_, &QPushButton::clicked, chart_,
            &Temperature_Chart::Save_Chart_Command_Click);
    chart_row->addWidget(save_chart_command_);
    return chart_row;
}

}  // namespace calorix
