// The frames of a 2-D transient run: every level drawn as the saved picture
// is, with its time in the title line, written as numbered PNG files for a
// slide or a video tool.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "common/problem_definition.h"
#include "output/figure_text.h"
#include "output/frame_writer.h"
#include "output/shaded_plot_panel.h"
#include "solvers/presentation.h"

namespace calorix {

Figure_Parts Shaded_Plot_Panel::Level_Figure(int level) const {
    Figure_Parts f = Figure_Now();
    f.Title = QString::fromStdString(Figure_Title(3, level * time_step_));
    // The level's own field, spread over cells as the display does.
    Shaded_Picture pic;
    Copy_Level_2D(*transient_, level, pic.Current_Level_Temperature);
    pic.Plot_X_Count = transient_->X_Nodes_T2D;
    pic.Plot_Y_Count = transient_->Y_Nodes_T2D;
    Interpolate_Temperature_Field(pic, 3, pic.Current_Level_Temperature, pic.Plot_X_Count,
                                  pic.Plot_Y_Count);
    const Plate_Geometry g = Plate_On_Screen();
    const int r = pic.Resolution;
    QImage cells(g.Cells_X() * r, g.Cells_Y() * r, QImage::Format_RGB32);
    Paint_Picture(pic, Min_Temperature, Max_Temperature, -r, -r,
                  reinterpret_cast<std::uint32_t*>(cells.bits()), cells.width(), cells.height(),
                  static_cast<int>(cells.bytesPerLine() / 4));
    f.Plate = zoom_ == 1 ? cells
                         : cells.scaled(cells.size() * zoom_, Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation);
    f.Overlays.clear();
    if (isotherms_.Enabled()) {
        auto lines = std::make_shared<Isotherm_Overlay>();
        lines->Set_Enabled(true);
        lines->Update(pic.Current_Level_Temperature, nodes_x_, nodes_y_, Min_Temperature,
                      Max_Temperature);
        f.Overlays.push_back(
            [lines](QPainter& p, const Plate_Geometry& at) { lines->Paint(p, at); });
    }
    if (arrows_.Enabled() && plate_problem_ != nullptr) {
        auto arrows = std::make_shared<Flux_Arrow_Overlay>();
        arrows->Set_Enabled(true);
        arrows->Update(pic.Current_Level_Temperature, nodes_x_, nodes_y_, dx_,
                       plate_problem_->Conductivity);
        f.Overlays.push_back(
            [arrows](QPainter& p, const Plate_Geometry& at) { arrows->Paint(p, at); });
        f.Legend = arrows->Legend(g);
    }
    return f;
}

int Shaded_Plot_Panel::Save_Frames(const QString& stem) {
    if (kind_ != 3 || transient_ == nullptr) {
        return 0;
    }
    const int last = transient_->Time_Steps_T2D;
    QProgressDialog progress(QStringLiteral("Saving the frames\u2026"), QStringLiteral("Cancel"), 0,
                             last + 1, this);
    progress.setWindowTitle(QStringLiteral("CALORIX"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    // This thread draws each frame and lets events run; two threads of the
    // writer encode and write them meanwhile.
    bool failed = false;
    int written = 0;
    {
        Frame_Writer writer(2, 4);
        QImage next;
        int level = 0;
        for (;;) {
            if (level <= last) {
                if (next.isNull()) {
                    next = Figure_Image(Level_Figure(level), 1);
                }
                const QString path =
                    QString::fromStdString(Frame_File_Name(stem.toStdString(), level, last));
                if (writer.Try_Add(path, next)) {
                    next = QImage();
                    ++level;
                } else {
                    writer.Wait_For_Room(10);
                }
            } else if (writer.Done()) {
                break;
            } else {
                writer.Wait_Until_Done(10);
            }
            if (writer.Failed()) {
                break;
            }
            progress.setValue(writer.Written());
            QCoreApplication::processEvents();
            if (progress.wasCanceled()) {
                writer.Cancel();
                break;
            }
        }
        // The frames being written are finished; those queued are dropped.
        writer.Cancel();
        while (!writer.Done()) {
            writer.Wait_Until_Done(10);
        }
        written = writer.Written();
        failed = writer.Failed();
    }
    progress.setValue(last + 1);
    return failed ? -1 : written;
}

void Shaded_Plot_Panel::Save_Frames_Click() {
    const QString path = Ask_File_Name(
        this, Save_File_Request(QStringLiteral("png"), {QStringLiteral("PNG Image (*.png)")}));
    if (path.isEmpty()) {
        return;
    }
    // "run.png" names the frames run_0000.png, run_0001.png, ...
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName());
    if (Save_Frames(stem) < 0) {
        Show_Calorix_Message(this, QStringLiteral("CALORIX could not write the frame files ") +
                                       stem + QStringLiteral("_*.png"));
    }
}

}  // namespace calorix
