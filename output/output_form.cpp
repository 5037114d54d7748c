#include "output/output_form.h"
#include "output/accuracy_tab.h"
#include "output/shaded_plot_panel.h"

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
#include "output/results_table_view.h"
#include "output/temperature_chart.h"
#include "output/text_table_model.h"
#include "solvers/presentation.h"

namespace calorix {

// The small drawing beside the table: a wall seen edge-on as a bar (1-D
// kinds) or the plate with its four sides (2-D kinds), with the x (and y)
// direction the table's headings count along.
class Input_Sketch : public QWidget {
  public:
    Input_Sketch(bool plate, QWidget* parent) : QWidget(parent), plate_(plate) {
        setMinimumSize(plate ? QSize(110, 120) : QSize(110, 70));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(plate ? 124 : 76);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor body(236, 160, 96);
        const QColor edge(120, 60, 20);
        const QColor axis(40, 40, 120);
        const int w = width();
        const int h = height();
        QFont f = font();
        f.setPointSize(9);
        p.setFont(f);
        if (!plate_) {
            const QRectF bar(20, 18, w - 40, 28);
            QLinearGradient g(bar.topLeft(), bar.bottomLeft());
            g.setColorAt(0, body.lighter(125));
            g.setColorAt(1, body.darker(115));
            p.setBrush(g);
            p.setPen(QPen(edge, 1.5));
            p.drawRect(bar);
            // The x direction, from the left face.
            p.setPen(QPen(axis, 1.5));
            const double y = bar.bottom() + 14;
            p.drawLine(QPointF(bar.left(), y), QPointF(bar.left() + 60, y));
            p.drawLine(QPointF(bar.left() + 60, y), QPointF(bar.left() + 54, y - 4));
            p.drawLine(QPointF(bar.left() + 60, y), QPointF(bar.left() + 54, y + 4));
            p.drawText(QPointF(bar.left() + 66, y + 4), QStringLiteral("x"));
            return;
        }
        const int side = std::min(w - 60, h - 30);
        const QRectF plate((w - side) / 2.0, 8, side, side);
        QLinearGradient g(plate.topLeft(), plate.bottomRight());
        g.setColorAt(0, body.lighter(125));
        g.setColorAt(1, body.darker(115));
        p.setBrush(g);
        p.setPen(QPen(edge, 1.5));
        p.drawRect(plate);
        // x to the right along the top side, y down along the left side: node
        // (1, 1) is the top-left corner, as in the table.
        p.setPen(QPen(axis, 1.5));
        const QPointF o = plate.topLeft() + QPointF(6, 6);
        p.drawLine(o, o + QPointF(40, 0));
        p.drawLine(o + QPointF(40, 0), o + QPointF(34, -4));
        p.drawLine(o + QPointF(40, 0), o + QPointF(34, 4));
        p.drawText(o + QPointF(44, 4), QStringLiteral("x"));
        p.drawLine(o, o + QPointF(0, 40));
        p.drawLine(o + QPointF(0, 40), o + QPointF(-4, 34));
        p.drawLine(o + QPointF(0, 40), o + QPointF(4, 34));
        p.drawText(o + QPointF(-3, 56), QStringLiteral("y"));
    }

  private:
    bool plate_;
};

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

Output_Form::Output_Form(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CALORIX OUTPUT"));
    QFont f = font();
    f.setPointSize(10);
    setFont(f);

    // The window fits a 1366 x 768 laptop screen above its taskbar: thin
    // margins, the buttons in the row of the tabs, and a graphical page that
    // scrolls rather than cuts off on a smaller screen.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 4);
    output_tab_ = new QTabWidget(this);
    output_tab_->addTab(Build_Table_Tab(), QStringLiteral("Tabular Ouput"));
    auto* graphical = new QScrollArea(output_tab_);
    graphical->setFrameShape(QFrame::NoFrame);
    graphical->setWidgetResizable(true);
    graphical->setWidget(Build_Graphical_Tab());
    output_tab_->addTab(graphical, QStringLiteral("Graphical Output"));
    accuracy_tab_ = new Accuracy_Tab(this);
    output_tab_->addTab(accuracy_tab_, QStringLiteral("Heat Balance and Accuracy"));
    layout->addWidget(output_tab_, 1);

    auto* corner = new QWidget(output_tab_);
    auto* buttons = new QHBoxLayout(corner);
    buttons->setContentsMargins(0, 0, 4, 0);
    export_command_ = new QPushButton(QString::fromUtf8("Export Table…"), this);
    export_command_->setAutoDefault(false);
    buttons->addWidget(export_command_);
    connect(export_command_, &QPushButton::clicked, qobject_cast<Results_Table_View*>(table_view_),
            &Results_Table_View::Export_Csv);
    print_command_ = new QPushButton(QStringLiteral("&Print Results To File"), this);
    close_command_ = new QPushButton(QStringLiteral("&Close"), this);
    print_command_->setAutoDefault(false);
    close_command_->setAutoDefault(false);
    print_command_->setMinimumWidth(180);
    close_command_->setMinimumWidth(110);
    buttons->addWidget(print_command_);
    buttons->addWidget(close_command_);
    output_tab_->setCornerWidget(corner, Qt::TopRightCorner);

    connect(output_tab_, &QTabWidget::currentChanged, this, &Output_Form::Output_Tab_Click);
    connect(close_command_, &QPushButton::clicked, this, &Output_Form::Command2_Click);
    connect(print_command_, &QPushButton::clicked, this, &Output_Form::Print_Requested);
    resize(1100, 640);  // with its title bar, above a laptop's taskbar
}

Output_Form::~Output_Form() {
    // A window destroyed while shown hides in the dialog's own destructor,
    // and the headers then report geometry changes to this part of the
    // object, already gone.
    table_view_->horizontalHeader()->disconnect(this);
    table_view_->verticalHeader()->disconnect(this);
}

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
    save_chart_command_ = new QPushButton(QStringLiteral("Save Chart…"), plot_frame_);
    save_chart_command_->setAutoDefault(false);
    connect(save_chart_command_, &QPushButton::clicked, chart_,
            &Temperature_Chart::Save_Chart_Command_Click);
    pv->addWidget(save_chart_command_, 0, Qt::AlignRight);
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

QWidget* Output_Form::Input_Copy(int k) const {
    return copies_[static_cast<std::size_t>(k)].Output_Frame;
}
QWidget* Output_Form::Bar_Image() const {
    return bar_image_;
}
QWidget* Output_Form::Plate_Image() const {
    return plate_image_;
}

void Output_Form::Place_Table_Corner() {
    const QHeaderView* hh = table_view_->horizontalHeader();
    const QHeaderView* vh = table_view_->verticalHeader();
    const int w = vh->isVisible() ? vh->width() : 0;
    const int h = hh->isVisible() ? hh->height() : 0;
    table_corner_->setGeometry(vh->x(), hh->y(), std::max(w, 1), std::max(h, 1));
    table_corner_->raise();
}

bool Output_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_view_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest ||
         event->type() == QEvent::Show)) {
        Place_Table_Corner();
    }
    return QDialog::eventFilter(watched, event);
}

void Output_Form::Load_Results(Output_Model& model, Result_Stores& stores,
                               Problem_Definition& problem) {
    model_ = &model;
    stores_ = &stores;
    problem_ = &problem;
    Apply_Model();
}

void Output_Form::Apply_Model() {
    Output_Model& m = *model_;
    const int kind = m.Kind;
    Draw_Flag = m.Draw_Flag;

    for (std::size_t k = 0; k < 2; ++k) {
        Input_Copy_Controls& c = copies_[k];
        c.Output_Frame->setTitle(QString::fromStdString(m.Output_Frame_Caption[k]));
        for (std::size_t b = 0; b < Display_Box_Count; ++b) {
            c.Text[b]->setText(QString::fromStdString(m.Display_Text[b]));
        }
        c.Text[Box_Y_Grid]->setVisible(m.Y_Grid_Visible);
        c.Y_Grid_Label->setVisible(m.Y_Grid_Visible);
        c.Transient_Frame->setVisible(m.Transient_Frame_Visible);
        (m.Explicit_Shown ? c.Explicit_Option : c.Implicit_Option)->setChecked(true);
    }
    plot_frame_->setTitle(QString::fromStdString(m.Plot_Output_Frame_Caption));
    table_title_->setText(QString::fromStdString(m.Table_Title_Label));
    x_label_->setText(QString::fromStdString(m.X_Label));
    y_label_->setText(QString::fromStdString(m.Y_Label));
    for (std::size_t s = 0; s < 4; ++s) {
        side_labels_[s]->setText(QString::fromStdString(m.Side_Label_Caption[s]));
        side_labels_[s]->setVisible(m.Side_Label_Visible[s]);
    }
    bar_image_->setVisible(m.Bar_Image_Visible);
    plate_image_->setVisible(m.Plate_Image_Visible);

    {
        const QSignalBlocker block(time_list_);
        time_list_->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(m.Time_List_Items.size()));
        for (const std::string& t : m.Time_List_Items) {
            items.append(QString::fromStdString(t));
        }
        time_list_->addItems(items);
        time_list_->setCurrentIndex(-1);
        time_list_->setEditText(QString::fromStdString(m.Time_List_Text));
    }
    time_list_->setVisible(m.Time_List_Visible);
    second_label_->setVisible(m.Second_Label_Visible);
    {
        const QSignalBlocker block(distance_list_);
        distance_list_->clear();
        QStringList items;
        for (const std::string& x : m.Distance_List_Items) {
            items.append(QString::fromStdString(x));
        }
        distance_list_->addItems(items);
        distance_list_->setCurrentIndex(-1);
        distance_list_->setEditText(QString::fromStdString(m.Distance_List_Text));
    }
    x_input_frame_->setVisible(m.X_Input_Frame_Visible);

    table_model_->Set_Table(&m.Output_Table);
    table_corner_->setText(m.Output_Table.Rows() > 0 && m.Output_Table.Cols() > 0
                               ? QString::fromStdString(m.Output_Table.Cell(0, 0))
                               : QString());
    if (kind == Kind_Steady_1D || kind == Kind_Transient_1D) {
        chart_->Draw(m.Chart);
    }
    const bool chart_kind = kind == Kind_Steady_1D || kind == Kind_Transient_1D;
    plot_frame_->setVisible(chart_kind);
    shaded_host_->setVisible(!chart_kind);
    {
        const QSignalBlocker block(output_tab_);
        output_tab_->setCurrentIndex(m.Selected_Tab);
    }
    Place_Table_Corner();
    accuracy_tab_->Load(m, *stores_, *problem_);
}

void Output_Form::Show_Results(Output_Model& model, Result_Stores& stores,
                               Problem_Definition& problem) {
    Load_Results(model, stores, problem);
    exec();
}

void Output_Form::Output_Tab_Click(int index) {
    // The time shown is normalised to the form of the list's items.
    const std::string time = time_list_->currentText().toStdString();
    time_list_->setEditText(QString::fromStdString(Format_Text(time, "0.###")));
    if (model_ == nullptr) {
        return;
    }
    model_->Selected_Tab = index;
    if (index != 1) {
        return;
    }
    const int kind = model_->Kind;
    if (kind == Kind_Steady_1D || kind == Kind_Transient_1D) {
        plot_frame_->show();
        shaded_host_->hide();
        return;
    }
    plot_frame_->hide();
    shaded_host_->show();
    emit Shaded_Picture_Requested(kind);
}

void Output_Form::Time_List_Box_Click() {
    if (model_ == nullptr || stores_ == nullptr || problem_ == nullptr ||
        model_->Kind != Kind_Transient_2D) {
        return;
    }
    const std::string text = time_list_->currentText().toStdString();
    Show_Transient_2D_Time(stores_->Transient_2D, problem_->Time_Step, text, model_->Output_Table);
    const QString shown = QString::fromStdString(Format_Text(text, "0.###"));
    time_list_->setEditText(shown);
    model_->Time_List_Text = shown.toStdString();
    table_model_->Refresh();
}

void Output_Form::Distance_List_Box_Click() {
    if (model_ == nullptr || stores_ == nullptr || problem_ == nullptr ||
        model_->Kind != Kind_Transient_1D) {
        return;
    }
    std::string text = distance_list_->currentText().toStdString();
    const Location_Pick pick =
        Chart_Transient_1D_Location(*stores_, problem_->Grid_Size, text, model_->Chart);
    if (pick.Off_The_Wall && pick.Node <= distance_list_->count()) {
        // The box names the face that is charted, as the title does.
        distance_list_->setCurrentIndex(pick.Node - 1);
        text = distance_list_->currentText().toStdString();
    }
    model_->Distance_List_Text = text;
    chart_->Draw(model_->Chart);
}

void Output_Form::Command2_Click() {
    reject();
}

void Output_Form::reject() {
    if (closing_) {
        return;
    }
    closing_ = true;
    emit Closing();
    QDialog::reject();  // hides the window and ends its modal run
    for (QLabel* l : side_labels_) {
        l->hide();
    }
    bar_image_->hide();
    plate_image_->hide();
    time_list_->clear();
    distance_list_->clear();
    if (model_ != nullptr) {
        // The run driver appends to the lists and shows what the next kind
        // needs, so what it reads back must be emptied and hidden here too.
        Output_Model& m = *model_;
        m.Side_Label_Visible = {false, false, false, false};
        m.Bar_Image_Visible = false;
        m.Plate_Image_Visible = false;
        m.Time_List_Items.clear();
        m.Distance_List_Items.clear();
        if (m.Kind == Kind_Transient_2D) {
            m.Time_List_Visible = false;
            m.Second_Label_Visible = false;
        }
    }
    if (model_ != nullptr && model_->Kind == Kind_Transient_2D) {
        time_list_->hide();
        second_label_->hide();
    }
    closing_ = false;
}

}  // namespace calorix
