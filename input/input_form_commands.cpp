// The file, library, help and report commands of the input window.
// Temporary: these commands arrive with the problem-file and library work;
// until then they do nothing.
#include "input/input_form.h"

namespace calorix {

void D12_Input_Form::Open_Command_Click() {}
void D12_Input_Form::Save_Command_Click() {}
void D12_Input_Form::Save_As_Command_Click() {}
void D12_Input_Form::Thermal_Conductivity_Command_Click() {}
void D12_Input_Form::About_Command_Click() {}
void D12_Input_Form::Print_Results_Command() {}
void D12_Input_Form::Fill_Properties_In_Combo_Box() {}
Properties_Form* D12_Input_Form::Properties_Window() {
    return properties_form_;
}
Help_About_Form* D12_Input_Form::Help_Window() {
    return help_form_;
}

}  // namespace calorix
