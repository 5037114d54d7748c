// The file, library, help and report commands of the input window.
#include <QLabel>
#include <QLineEdit>
#include <exception>
#include <utility>

#include "about/help_about_form.h"
#include "common/file_dialogs.h"
#include "common/file_names.h"
#include "common/message_dialogs.h"
#include "input/input_form.h"
#include "input/problem_file.h"
#include "input/report_writer.h"
#include "materials/properties_form.h"

namespace calorix {

void D12_Input_Form::Open_Command_Click() {
    const QString path = Ask_File_Name(this, Calorix_File_Request(false, QStringLiteral("clx")));
    if (path.isEmpty()) {
        return;  // cancelled: nothing changes
    }
    Open_Named_File(File_System_Path(path, true));
}

void D12_Input_Form::Open_Named_File(const std::string& path) {
    problem_.File_Name = path;
    Show_File_Name();
    // A file that cannot be read (a folder, a read error, a bad value) ends
    // the command silently; whatever was restored before the fault stays on
    // the window.
    Input_Form_State state = Read_Form_State();
    Open_File(problem_.File_Name, state, &problem_);
    Apply_Form_State(state);
}

void D12_Input_Form::Save_Command_Click() {
    bool saved = false;
    try {
        saved = Save_File(problem_.File_Name, Read_Form_State());
    } catch (const std::exception&) {
    }
    if (!saved) {
        Show_Calorix_Message(this, QStringLiteral("CALORIX could not write the problem file ") +
                                       Shown_Path(problem_.File_Name));
    }
}

void D12_Input_Form::Save_As_Command_Click() {
    const QString path = Ask_File_Name(this, Calorix_File_Request(true, QStringLiteral("clx")));
    if (path.isEmpty()) {
        return;
    }
    problem_.File_Name = File_System_Path(path, false);
    Show_File_Name();
    try {
        Save_File(problem_.File_Name, Read_Form_State());  // a failure ends silently
    } catch (const std::exception&) {
    }
}

void D12_Input_Form::Thermal_Conductivity_Command_Click() {
    Properties_Form* library = Properties_Window();
    Fill_Properties_In_Combo_Box();
    library->show();
    library->raise();
    library->activateWindow();
}

void D12_Input_Form::About_Command_Click() {
    Help_About_Form* help = Help_Window();
    help->show();
    help->raise();
    help->activateWindow();
}

void D12_Input_Form::Print_Results_Command() {
    const QString path = Ask_File_Name(this, Calorix_File_Request(true, QStringLiteral("out")));
    if (path.isEmpty()) {
        return;  // cancelled: no file, no message
    }
    problem_.File_Name = File_System_Path(path, false);
    Show_File_Name();
    // The row and column counts of the report are not kept: every picture
    // routine counts again before it draws.  A report that cannot be written
    // ends the command without a message, as the print command always has;
    // the old file, if any, is left as it was.
    try {
        Print_To_File(problem_.File_Name, Read_Form_State(), problem_, output_);
    } catch (const std::exception&) {
    }
}

void D12_Input_Form::Show_File_Name() {
    // The whole path: the same name can sit in several folders.
    file_name_label_->setText(QStringLiteral("File: ") + Shown_Path(problem_.File_Name));
}

void D12_Input_Form::Fill_Properties_In_Combo_Box() {
    Properties_Window()->Fill_List();
}

Properties_Form* D12_Input_Form::Properties_Window() {
    if (properties_form_ == nullptr) {
        // The chosen material goes into the boxes of the selected tab.
        Material_Target target;
        target.Selected_Kind = [this] { return Kind(); };
        target.Write = [this](const Material_Choice& choice) {
            const Parameter_Controls& boxes = Parameters(Kind());
            boxes.Thermal_Conductivity_Text->setText(
                QString::fromStdString(choice.Conductivity_Text));
            if (choice.Write_Diffusivity && boxes.Diffusivity_Text != nullptr) {
                boxes.Diffusivity_Text->setText(QString::fromStdString(choice.Diffusivity_Text));
            }
        };
        properties_form_ = new Properties_Form(std::move(target), this);
    }
    return properties_form_;
}

Help_About_Form* D12_Input_Form::Help_Window() {
    if (help_form_ == nullptr) {
        help_form_ = new Help_About_Form(this);
    }
    return help_form_;
}

}  // namespace calorix
