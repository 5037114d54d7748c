#pragma once
// How the program starts: the start-up screen hands over to the input window,
// and a problem file named on the command line is then opened on it.
#include "about/about_form.h"
#include "app/command_line.h"

namespace calorix {

class D12_Input_Form;

// The start-up screen's steps on `input`: loading fills its material list,
// handing over shows it.
Start_Up_Steps Input_Window_Steps(D12_Input_Form& input);

// Shows the start-up screen.  Once the input window first appears, the file
// of `line` (if any) is opened through the window's own Open code, so a
// missing or unreadable file ends the open silently as File > Open does.
void Start_Calorix(About_Form& about, D12_Input_Form& input, const Command_Line& line);

}  // namespace calorix
