#include "output/output_form.h"
#include "output/accuracy_tab.h"
#include "output/convergence_tab.h"
#include "output/input_sketch.h"
#include "output/shaded_plot_panel.h"

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

#include "analysis/direct_solve_cache.h"
#include "common/number_text.h"
#include "output/results_table_view.h"
#include "output/temperature_chart.h"
#include "output/text_table_model.h"
#include "solvers/presentation.h"

namespace calorix {

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
    convergence_tab_ = new Convergence_Tab(this);
    output_tab_->addTab(convergence_tab_, QStringLiteral("Convergence"));
    layout->addWidget(output_tab_, 1);

    auto* corner = new QWidget(output_tab_);
    auto* buttons = new QHBoxLayout(corner);
    buttons->setContentsMargins(0, 0, 4, 0);
    export_command_ = new QPushButton(QString::fromUtf8("Export Table…"), this);
    export_command_->setAutoDefault(false);
    export_command_->setToolTip(QStringLiteral("Write the whole table as a CSV file"));
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
    // A run solved another way than by its own sweeps says so in the caption.
    setWindowTitle(m.Method_Note.empty() ? QStringLiteral("CALORIX OUTPUT")
                                         : QStringLiteral("CALORIX OUTPUT - ") +
                                               QString::fromStdString(m.Method_Note));

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
    exact_profile_box_->setVisible(kind == Kind_Steady_1D);
    shaded_host_->setVisible(!chart_kind);
    {
        const QSignalBlocker block(output_tab_);
        output_tab_->setCurrentIndex(m.Selected_Tab);
    }
    Place_Table_Corner();
    // The study of the run shown before ends before its answer is dropped.
    convergence_tab_->Stop();
    direct_cache_ = Run_Solve_Cache(*problem_, *stores_, m);
    accuracy_tab_->Load(m, *stores_, *problem_);
    convergence_tab_->Load(m, *stores_, *problem_);
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
