#pragma once
// How the program starts: the start-up screen hands over to the input window,
// and a problem file named on the command line is then opened on it.
#include "app/command_line.h"

namespace calorix {

class About_Form;
class D12_Input_Form;

// Shows the start-up screen.  Once the input window first appears, the file
// of `line` (if any) is opened through the window's own Open code, so a
// missing or unreadable file ends the open silently as File > Open does.
void Start_Calorix(About_Form& about, D12_Input_Form& input, const Command_Line& line);

}  // namespace calorix
