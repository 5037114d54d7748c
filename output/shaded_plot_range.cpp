// The colour range typed by the user into the range box.
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "common/number_text.h"
#include "output/max_min_temp_dialog.h"
#include "output/shaded_plot_panel.h"

namespace calorix {

void Shaded_Plot_Panel::Range_Command_Click(int flag, const QString& prompt) {
    Max_Min_Temp_Dialog* dialog = Dialog();
    dialog->Temp_Label()->setText(prompt);
    Message_Flag = static_cast<std::int16_t>(flag);
    dialog->Max_Temp_Text()->selectAll();
    dialog->Max_Temp_Text()->setFocus();
    const QPointer<Shaded_Plot_Panel> alive(this);
    const int answer = dialog->exec();
    if (alive.isNull() || answer != QDialog::Accepted) {
        return;
    }
    Apply_Range_Entry(Message_Flag, dialog->Max_Temp_Text()->text());
}

void Shaded_Plot_Panel::Apply_Range_Entry(int flag, const QString& text) {
    const double v = Text_To_Number(text.toStdString());
    range_typed_ = true;
    if (flag == 1) {
        Max_Temperature = v;
    } else if (flag == 2) {
        Min_Temperature = v;
    }
    update();
    if (kind_ == 1) {
        // The typed range stands: no new range from the data.
        pic_.Plot_X_Count = steady_->X_Nodes_2D;
        pic_.Plot_Y_Count = steady_->Y_Nodes_2D;
        Interpolate_Temperature_Field(pic_, kind_, steady_->Temperature_2D, pic_.Plot_X_Count,
                                      pic_.Plot_Y_Count);
        Resolution = pic_.Resolution;
        Generate_Temperature_Picture();
        Format_Screen();
        Generate_Temperature_Scale();
    } else if (kind_ == 3) {
        // The bar keeps its colours; only its values are rewritten.
        pic_.Plot_X_Count = transient_->X_Nodes_T2D;
        pic_.Plot_Y_Count = transient_->Y_Nodes_T2D;
        Copy_Level(Current_Step);
        Generate_Temperature_Picture_For_The_Current_Time(Current_Step);
    }
}

}  // namespace calorix
