#include "input/input_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

#include "common/message_dialogs.h"
#include "common/run_error.h"
#include "input/direct_fallback.h"
#include "input/direct_fallback_dialog.h"
#include "input/run_driver.h"
#include "output/output_form.h"

namespace calorix {

namespace {

const char* const Tab_Captions[4] = {
    "1-Dimensional Steady State Problem", "2-Dimensional Steady State Problem",
    "1-Dimensional Transient Problem", "2-Dimensional Transient Problem"};
const char* const Side_Captions[4] = {"Left BC", "Right BC", "Top BC", "Bottom BC"};

// Restores the normal pointer on every way out of a run.
class Busy_Pointer {
  public:
    Busy_Pointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy_Pointer() { Release(); }
    void Release() {
        if (active_) {
            QGuiApplication::restoreOverrideCursor();
            active_ = false;
        }
    }
    Busy_Pointer(const Busy_Pointer&) = delete;
    Busy_Pointer& operator=(const Busy_Pointer&) = delete;

  private:
    bool active_ = true;
};

// A static sketch of the node grid: nodes one grid size apart, a line of
// nodes for the 1-D tabs and a small mesh for the 2-D tabs.
class Grid_Sketch : public QWidget {
  public:
    Grid_Sketch(bool two_d, QWidget* parent) : QWidget(parent), two_d_(two_d) {
        setMinimumSize(240, two_d ? 150 : 90);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        g.setRenderHint(QPainter::Antialiasing);
        const int cols = 5;
        const int rows = two_d_ ? 3 : 1;
        const double step = 40;
        const double x0 = (width() - (cols - 1) * step) / 2;
        const double y0 = two_d_ ? 30 : height() / 2.0 - 5;
        g.setPen(QPen(Qt::darkGray, 1.5));
        for (int r = 0; r < rows; ++r) {
            g.drawLine(QPointF(x0, y0 + r * step), QPointF(x0 + (cols - 1) * step, y0 + r * step));
        }
        if (two_d_) {
            for (int c = 0; c < cols; ++c) {
                g.drawLine(QPointF(x0 + c * step, y0),
                           QPointF(x0 + c * step, y0 + (rows - 1) * step));
            }
        }
        g.setBrush(QColor(200, 40, 40));
        g.setPen(Qt::NoPen);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                g.drawEllipse(QPointF(x0 + c * step, y0 + r * step), 4.5, 4.5);
            }
        }
        // The spacing between two nodes, marked under the first interval.
        const double ym = y0 + (rows - 1) * step + 18;
        g.setPen(QPen(Qt::black, 1));
        g.drawLine(QPointF(x0, ym), QPointF(x0 + step, ym));
        g.drawLine(QPointF(x0, ym - 4), QPointF(x0, ym + 4));
        g.drawLine(QPointF(x0 + step, ym - 4), QPointF(x0 + step, ym + 4));
        g.drawText(QRectF(x0 - 20, ym + 3, step + 40, 16), Qt::AlignCenter, QStringLiteral("dx"));
    }

  private:
    bool two_d_;
};

QLineEdit* Add_Box(QFormLayout* form, const char* label, const std::string& text) {
    auto* box = new QLineEdit(QString::fromStdString(text));
    box->setMaximumWidth(130);
    form->addRow(QString::fromLatin1(label), box);
    return box;
}

}  // namespace

D12_Input_Form::D12_Input_Form(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("CALORIX INPUT"));
    Build_Menus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    case_tab_ = new QTabWidget(central);
    for (int kind = 0; kind < 4; ++kind) {
        case_tab_->addTab(Build_Tab(kind), QString::fromLatin1(Tab_Captions[kind]));
    }
    layout->addWidget(case_tab_);
    ok_command_ = new QPushButton(QStringLiteral("Calculate Temperature"), central);
    ok_command_->setMinimumHeight(34);
    ok_command_->setDefault(true);
    auto* button_row = new QHBoxLayout;
    button_row->addStretch();
    button_row->addWidget(ok_command_);
    button_row->addStretch();
    layout->addLayout(button_row);
    setCentralWidget(central);
    // Wide enough for the four tab captions side by side.
    case_tab_->tabBar()->setUsesScrollButtons(false);
    setMinimumSize(1000, 640);
    resize(1100, 700);

    // The sides a 1-D wall does not have.
    for (int index : {2, 3, 10, 11}) {
        sides_[index].BC_Frame->hide();
    }
    connect(case_tab_, &QTabWidget::currentChanged, this, &D12_Input_Form::Case_Tab_Click);
    connect(ok_command_, &QPushButton::clicked, this, &D12_Input_Form::OK_Command_Click);
    // Calculate Temperature is the window's default button: Enter in any box
    // runs it.  (A main window has no default-button handling of its own.)
    for (QLineEdit* box : central->findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::returnPressed, ok_command_, &QPushButton::click);
    }
    file_name_label_ = new QLabel(this);
    statusBar()->addWidget(file_name_label_, 1);

    // Form_Load: the window opens on the 2-D steady tab.
    case_tab_->setCurrentIndex(Kind_Steady_2D);
    problem_.File_Name = "output.clx";
    Show_File_Name();
}

D12_Input_Form::~D12_Input_Form() = default;

void D12_Input_Form::Build_Menus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    Open_Command =
        file->addAction(QStringLiteral("&Open"), this, &D12_Input_Form::Open_Command_Click);
    Save_Command =
        file->addAction(QStringLiteral("&Save"), this, &D12_Input_Form::Save_Command_Click);
    Save_As_Command =
        file->addAction(QStringLiteral("Save &As"), this, &D12_Input_Form::Save_As_Command_Click);
    file->addSeparator();
    Exit_Command =
        file->addAction(QStringLiteral("&Exit"), this, &D12_Input_Form::Exit_Command_Click);
    QMenu* properties = menuBar()->addMenu(QStringLiteral("&Properties"));
    Thermal_Conductivity_Command =
        properties->addAction(QStringLiteral("&Material Library"), this,
                              &D12_Input_Form::Thermal_Conductivity_Command_Click);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    About_Command =
        help->addAction(QStringLiteral("&About"), this, &D12_Input_Form::About_Command_Click);
    Add_Guide_And_Shortcuts(help);
}

QWidget* D12_Input_Form::Build_Tab(int kind) {
    const bool two_d = kind == Kind_Steady_2D || kind == Kind_Transient_2D;
    const bool transient = kind == Kind_Transient_1D || kind == Kind_Transient_2D;
    const Input_Form_State initial = Initial_Form_State();
    const Parameter_Texts& texts = initial.Tabs[kind];

    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* left_column = new QVBoxLayout;

    Parameter_Controls& c = params_[kind];
    c.Frame1 = new QGroupBox(QStringLiteral("Problem Parameters"));
    auto* form = new QFormLayout(c.Frame1);
    form->setLabelAlignment(Qt::AlignRight);
    c.Grid_Size_Text = Add_Box(form, "Grid Size (cm) =", texts.Grid_Size_Text);
    c.X_Grid_Text = Add_Box(form, "Nodes in x_Direction =", texts.X_Grid_Text);
    if (two_d) {
        c.Y_Grid_Text = Add_Box(form, "Nodes in y_Direction =", texts.Y_Grid_Text);
    }
    c.Heat_Generation_Text = Add_Box(form, "Heat Generation (W/m^3) =", texts.Heat_Generation_Text);
    c.Thermal_Conductivity_Text =
        Add_Box(form, "Conductivity (W/m.K) =", texts.Thermal_Conductivity_Text);
    c.Guess_Initial_Temperature_Text =
        Add_Box(form, transient ? "Initial Temperature (C) =" : "Guessed Temperature (C) =",
                texts.Guess_Initial_Temperature_Text);
    if (transient) {
        c.Diffusivity_Text = Add_Box(form, "Thermal Diffusivity (m^2/s) =", texts.Diffusivity_Text);
        c.Time_Step_Text = Add_Box(form, "Time Step (s) =", texts.Time_Step_Text);
        c.Number_Of_Time_Steps_Text =
            Add_Box(form, "Number of Time Steps =", texts.Number_Of_Time_Steps_Text);
        auto* scheme = new QWidget;
        auto* scheme_row = new QHBoxLayout(scheme);
        scheme_row->setContentsMargins(0, 0, 0, 0);
        c.Explicit_Option = new QRadioButton(QStringLiteral("Explicit"));
        c.Implicit_Option = new QRadioButton(QStringLiteral("Implicit"));
        c.Explicit_Option->setChecked(true);
        scheme_row->addWidget(c.Explicit_Option);
        scheme_row->addWidget(c.Implicit_Option);
        form->addRow(QStringLiteral("Scheme To Be Used"), scheme);
    }
    left_column->addWidget(c.Frame1);

    auto* sketch_frame = new QGroupBox(QStringLiteral("Grid Size"));
    auto* sketch_layout = new QVBoxLayout(sketch_frame);
    sketch_layout->addWidget(new Grid_Sketch(two_d, sketch_frame));
    left_column->addWidget(sketch_frame);
    left_column->addStretch();
    row->addLayout(left_column);

    auto* general = new QGroupBox(QStringLiteral("Boundary Conditions"));
    auto* grid = new QGridLayout(general);
    grid->addWidget(Build_Side(kind, Side_Left), 0, 0);
    grid->addWidget(Build_Side(kind, Side_Right), 0, 1);
    grid->addWidget(Build_Side(kind, Side_Top), 1, 0);
    grid->addWidget(Build_Side(kind, Side_Bottom), 1, 1);
    grid->setRowStretch(2, 1);
    row->addWidget(general, 1);
    return page;
}

QGroupBox* D12_Input_Form::Build_Side(int kind, int side) {
    const int index = 4 * kind + side;
    const Side_Inputs initial = Initial_Form_State().Sides[index];
    Side_Controls& s = sides_[index];
    s.BC_Frame = new QGroupBox(QString::fromLatin1(Side_Captions[side]));
    auto* v = new QVBoxLayout(s.BC_Frame);
    s.BC1_Option = new QRadioButton(QStringLiteral("Constant Temperature"));
    s.BC2_Option = new QRadioButton(QStringLiteral("Constant Heat Flux"));
    s.BC3_Option = new QRadioButton(QStringLiteral("Convection Environment"));
    v->addWidget(s.BC1_Option);
    v->addWidget(s.BC2_Option);
    v->addWidget(s.BC3_Option);

    auto make_value = [](const char* label, const std::string& text, QFormLayout* form) {
        auto* box = new QLineEdit(QString::fromStdString(text));
        box->setMaximumWidth(110);
        form->addRow(QString::fromLatin1(label), box);
        return box;
    };
    s.BC1_Frame = new QWidget;
    auto* f1 = new QFormLayout(s.BC1_Frame);
    f1->setContentsMargins(0, 0, 0, 0);
    s.T_Text = make_value("T (C) =", initial.T_Text, f1);
    s.BC2_Frame = new QWidget;
    auto* f2 = new QFormLayout(s.BC2_Frame);
    f2->setContentsMargins(0, 0, 0, 0);
    s.q_Text = make_value("q\" (W/m^2) =", initial.q_Text, f2);
    s.BC3_Frame = new QWidget;
    auto* f3 = new QFormLayout(s.BC3_Frame);
    f3->setContentsMargins(0, 0, 0, 0);
    s.h_Text = make_value("h (W/m^2.C) =", initial.h_Text, f3);
    s.T_Infinity_Text = make_value("T_Infinity (C) =", initial.T_Infinity_Text, f3);
    v->addWidget(s.BC1_Frame);
    v->addWidget(s.BC2_Frame);
    v->addWidget(s.BC3_Frame);
    v->addStretch();
    // Room for the tallest value frame, so the box does not jump.
    s.BC_Frame->setMinimumHeight(190);

    connect(s.BC1_Option, &QRadioButton::clicked, this,
            [this, index] { BC_Option_Click(index, 1); });
    connect(s.BC2_Option, &QRadioButton::clicked, this,
            [this, index] { BC_Option_Click(index, 2); });
    connect(s.BC3_Option, &QRadioButton::clicked, this,
            [this, index] { BC_Option_Click(index, 3); });
    s.BC1_Option->setChecked(true);
    BC_Option_Click(index, initial.Choice);
    return s.BC_Frame;
}

void D12_Input_Form::BC_Option_Click(int index, int option) {
    Side_Controls& s = sides_[index];
    s.BC1_Frame->setVisible(option == BC_Temperature);
    s.BC2_Frame->setVisible(option == BC_Flux);
    s.BC3_Frame->setVisible(option == BC_Convection);
}

void D12_Input_Form::Case_Tab_Click(int index) {
    if (index == Kind_Steady_1D || index == Kind_Transient_1D) {
        for (int side : {2, 3, 10, 11}) {
            sides_[side].BC_Frame->hide();
        }
    }
}

int D12_Input_Form::Kind() const {
    return case_tab_->currentIndex();
}

Input_Form_State D12_Input_Form::Read_Form_State() const {
    Input_Form_State state;
    state.Kind = Kind();
    auto text = [](const QLineEdit* box) {
        return box != nullptr ? box->text().toStdString() : std::string();
    };
    for (int kind = 0; kind < 4; ++kind) {
        const Parameter_Controls& c = params_[kind];
        Parameter_Texts& t = state.Tabs[kind];
        t.Grid_Size_Text = text(c.Grid_Size_Text);
        t.Heat_Generation_Text = text(c.Heat_Generation_Text);
        t.Thermal_Conductivity_Text = text(c.Thermal_Conductivity_Text);
        t.Guess_Initial_Temperature_Text = text(c.Guess_Initial_Temperature_Text);
        t.X_Grid_Text = text(c.X_Grid_Text);
        t.Y_Grid_Text = text(c.Y_Grid_Text);
        t.Diffusivity_Text = text(c.Diffusivity_Text);
        t.Time_Step_Text = text(c.Time_Step_Text);
        t.Number_Of_Time_Steps_Text = text(c.Number_Of_Time_Steps_Text);
        t.Explicit_Option = c.Explicit_Option == nullptr || c.Explicit_Option->isChecked();
    }
    for (int j = 0; j < 16; ++j) {
        const Side_Controls& s = sides_[j];
        Side_Inputs& side = state.Sides[j];
        side.Choice = s.BC3_Option->isChecked()   ? BC_Convection
                      : s.BC2_Option->isChecked() ? BC_Flux
                                                  : BC_Temperature;
        side.T_Text = text(s.T_Text);
        side.q_Text = text(s.q_Text);
        side.h_Text = text(s.h_Text);
        side.T_Infinity_Text = text(s.T_Infinity_Text);
    }
    return state;
}

void D12_Input_Form::Apply_Form_State(const Input_Form_State& state) {
    case_tab_->setCurrentIndex(state.Kind);
    auto set = [](QLineEdit* box, const std::string& text) {
        if (box != nullptr) {
            box->setText(QString::fromStdString(text));
        }
    };
    for (int kind = 0; kind < 4; ++kind) {
        const Parameter_Controls& c = params_[kind];
        const Parameter_Texts& t = state.Tabs[kind];
        set(c.Grid_Size_Text, t.Grid_Size_Text);
        set(c.Heat_Generation_Text, t.Heat_Generation_Text);
        set(c.Thermal_Conductivity_Text, t.Thermal_Conductivity_Text);
        set(c.Guess_Initial_Temperature_Text, t.Guess_Initial_Temperature_Text);
        set(c.X_Grid_Text, t.X_Grid_Text);
        set(c.Y_Grid_Text, t.Y_Grid_Text);
        set(c.Diffusivity_Text, t.Diffusivity_Text);
        set(c.Time_Step_Text, t.Time_Step_Text);
        set(c.Number_Of_Time_Steps_Text, t.Number_Of_Time_Steps_Text);
        if (c.Explicit_Option != nullptr) {
            (t.Explicit_Option ? c.Explicit_Option : c.Implicit_Option)->setChecked(true);
        }
    }
    for (int j = 0; j < 16; ++j) {
        const Side_Controls& s = sides_[j];
        const Side_Inputs& side = state.Sides[j];
        QRadioButton* option = side.Choice == BC_Convection ? s.BC3_Option
                               : side.Choice == BC_Flux     ? s.BC2_Option
                                                            : s.BC1_Option;
        option->setChecked(true);
        BC_Option_Click(j, side.Choice == BC_Convection ? 3 : side.Choice == BC_Flux ? 2 : 1);
        set(s.T_Text, side.T_Text);
        set(s.q_Text, side.q_Text);
        set(s.h_Text, side.h_Text);
        set(s.T_Infinity_Text, side.T_Infinity_Text);
    }
}

Output_Form* D12_Input_Form::Results_Window() {
    if (output_form_ == nullptr) {
        output_form_ = new Output_Form(this);
        connect(output_form_, &Output_Form::Print_Requested, this,
                &D12_Input_Form::Print_Results_Command);
    }
    return output_form_;
}

void D12_Input_Form::OK_Command_Click() {
    Busy_Pointer busy;
    Results_Window();  // the side captions are written on it during the fill
    Message_Box_Dialogs dialogs(this);
    try {
        const Run_Outcome outcome =
            Run_Calculation(Read_Form_State(), problem_, stores_, output_, dialogs);
        busy.Release();
        if (outcome == Run_Outcome::Failed && Iteration_Did_Not_Settle(Kind(), stores_)) {
            if (!Offer_Direct_Solution(this, problem_, Kind(), stores_, output_)) {
                return;
            }
        } else if (outcome != Run_Outcome::Solved) {
            return;
        }
        Results_Window()->Show_Results(output_, stores_, problem_);
    } catch (const std::exception&) {
        // Whatever else fails inside a run ends it as every run failure
        // does: with the one message, and no results window.
        busy.Release();
        Show_Calorix_Message(this, QString::fromLatin1(Memory_Message));
    }
}

void D12_Input_Form::Exit_Command_Click() {
    // Through the close event, so that the title bar's close button and
    // Alt+F4 ask the same question as the menu.
    close();
}

void D12_Input_Form::closeEvent(QCloseEvent* e) {
    if (!Ask_Calorix_Question(this, QStringLiteral("Are you sure you want to quit"),
                              QMessageBox::Question, false)) {
        e->ignore();  // No: the typed problem stays as it is
        return;
    }
    e->accept();
    // Yes ends the application at once, whatever other window is open.
    QApplication::exit(0);
}

bool D12_Input_Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        // Form_Activate: the material list is filled (once) whenever the
        // window becomes active.
        Fill_Properties_In_Combo_Box();
    }
    return QMainWindow::event(e);
}

}  // namespace calorix
