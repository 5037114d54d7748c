// The shaded picture kept for slides: the figure with its title line and
// range note, saved as PNG (1x, 2x or 4x) or SVG.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "common/problem_definition.h"
#include "output/figure_text.h"
#include "output/shaded_plot_panel.h"

namespace calorix {

void Shaded_Plot_Panel::Build_Keep_Controls(QLayout* host_layout) {
    arrows_box_ = new QCheckBox(QStringLiteral("Arrows"), input_host_);
    arrows_box_->setToolTip(QStringLiteral(
        "Heat flux q = -k grad T: arrows run from hot to cold, as long as the flux is strong"));
    arrow_legend_ = new QLabel(input_host_);
    arrow_legend_->setToolTip(QStringLiteral("What the longest arrow stands for"));
    arrow_legend_->hide();
    // A left click on a transient picture charts the node instead of
    // explaining it while this is on.
    probe_box_ = new QCheckBox(QStringLiteral("Probe"), input_host_);
    probe_box_->setToolTip(QStringLiteral(
        "While on, a click on the picture charts that node's temperature over time"));
    probe_box_->hide();
    auto* arrows_row = new QWidget(input_host_);
    auto* arrows_layout = new QHBoxLayout(arrows_row);
    arrows_layout->setContentsMargins(0, 0, 0, 0);
    arrows_layout->addWidget(arrows_box_);
    arrows_layout->addWidget(probe_box_);
    arrows_layout->addStretch(1);
    // Under the isotherms box, above the save commands.
    auto* box = static_cast<QBoxLayout*>(host_layout);
    const int at = box->indexOf(isotherms_box_) + 1;
    box->insertWidget(at, arrows_row);
    box->insertWidget(at + 1, arrow_legend_);
    connect(arrows_box_, &QCheckBox::toggled, this, [this](bool on) {
        arrows_.Set_Enabled(on);
        Update_Arrows();
        update();
    });
    auto* row = new QWidget(input_host_);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(QStringLiteral("PNG size:"), row));
    png_scale_box_ = new QComboBox(row);
    png_scale_box_->addItems(
        {QStringLiteral("1\u00d7"), QStringLiteral("2\u00d7"), QStringLiteral("4\u00d7")});
    png_scale_box_->setToolTip(
        QStringLiteral("Pixels of a saved PNG: 2\u00d7 and 4\u00d7 stay sharp on a projector"));
    h->addWidget(png_scale_box_);
    h->addStretch(1);
    host_layout->addWidget(row);
    frames_command_ = new QPushButton(QStringLiteral("Save Frames\u2026"), input_host_);
    frames_command_->setToolTip(
        QStringLiteral("Every time level as a numbered PNG picture with its time"));
    frames_command_->hide();
    host_layout->addWidget(frames_command_);
    host_layout->setAlignment(frames_command_, Qt::AlignLeft);
    connect(frames_command_, &QPushButton::clicked, this, &Shaded_Plot_Panel::Save_Frames_Click);
}

Figure_Parts Shaded_Plot_Panel::Figure_Now() const {
    Figure_Parts f;
    f.Title = QString::fromStdString(Figure_Title(kind_, Time_Elapsed));
    double data_min = Min_Temp;
    double data_max = Max_Temp;
    if (kind_ == 1 && steady_ != nullptr) {
        Find_Min_And_Max_Temperature(steady_->Temperature_2D, nodes_x_, nodes_y_, data_min,
                                     data_max);
    }
    f.Note = QString::fromStdString(
        Range_Note(range_typed_, Min_Temperature, Max_Temperature, data_min, data_max));
    const Plate_Geometry g = Plate_On_Screen();
    f.Plate = Shown_Plate();
    f.Cell_Pixels = g.Cell_Pixels;
    f.Cells_Per_Interval = g.Cells_Per_Interval;
    f.X_Nodes = g.X_Nodes;
    f.Y_Nodes = g.Y_Nodes;
    f.Dx = g.Dx;
    f.Sides = axes_.Sides();
    f.Bar = scale_;
    f.Max_Caption = max_temp_command_->text();
    f.Min_Caption = min_temp_command_->text();
    for (std::size_t k = 0; k < f.Labels.size(); ++k) {
        f.Labels[k] = scale_labels_[k]->text();
    }
    f.Overlays.push_back(
        [this](QPainter& p, const Plate_Geometry& at) { isotherms_.Paint(p, at); });
    if (arrows_.Enabled()) {
        f.Overlays.push_back(
            [this](QPainter& p, const Plate_Geometry& at) { arrows_.Paint(p, at); });
        f.Legend = arrows_.Legend(g);
        f.Legend_Length = Flux_Arrow_Overlay::Longest(g);
    }
    return f;
}

void Shaded_Plot_Panel::Update_Arrows() {
    const Node_Plane* t = Field_On_Display();
    if (t != nullptr && plate_problem_ != nullptr) {
        arrows_.Update(*t, nodes_x_, nodes_y_, dx_, plate_problem_->Conductivity);
    }
    const QString legend = arrows_.Legend(Plate_On_Screen());
    arrow_legend_->setText(QStringLiteral("Longest arrow ") + legend);
    arrow_legend_->setVisible(!legend.isEmpty());
}

QImage Shaded_Plot_Panel::Figure() const {
    return Figure_Image(Figure_Now(), 1);
}

bool Shaded_Plot_Panel::Save_Picture(const QString& path, int scale, bool svg_chosen) const {
    const Figure_Parts f = Figure_Now();
    return Write_File_Bytes(path,
                            Svg_Format(path, svg_chosen) ? Figure_Svg(f) : Figure_Png(f, scale));
}

void Shaded_Plot_Panel::Save_Picture_Click() {
    int chosen = 0;
    const QString path = Ask_File_Name(
        this,
        Save_File_Request(QStringLiteral("png"), {QStringLiteral("PNG Image (*.png)"),
                                                  QStringLiteral("SVG Image (*.svg)")}),
        &chosen);
    if (path.isEmpty()) {
        return;
    }
    const int scale = 1 << png_scale_box_->currentIndex();
    if (!Save_Picture(path, scale, chosen == 1)) {
        Show_Calorix_Message(this,
                             QStringLiteral("CALORIX could not write the picture file ") + path);
    }
}

}  // namespace calorix
