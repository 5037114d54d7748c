#pragma once
// Everything a run writes on the results window, kept free of the toolkit so
// that runs can be checked without a screen.  The results window copies it
// into its widgets when it is shown, and writes its own state (lists emptied
// on Close, the colour range, the level on display) back into it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/text_table.h"

namespace calorix {

// The nine display boxes of each read-only copy of the inputs, in this order.
enum Display_Box : int {
    Box_Grid_Size = 0,
    Box_Heat_Generation,
    Box_Thermal_Conductivity,
    Box_Guess_Initial_Temperature,
    Box_X_Grid,
    Box_Y_Grid,
    Box_Diffusivity,
    Box_Time_Step,
    Box_Number_Of_Time_Steps,
    Display_Box_Count
};

struct Output_Model {
    int Kind = 0;  // the problem kind of the last run shown

    // Captions written by the run driver.
    std::array<std::string, 2> Output_Frame_Caption;
    std::string Plot_Output_Frame_Caption;
    std::string Table_Title_Label;
    std::string X_Label = "X Distance (m)";
    std::string Y_Label = "Y Distance (m)";

    // Side labels (left, right, top, bottom): caption and visibility.
    std::array<std::string, 4> Side_Label_Caption{"Left", "Right", "", "Bottom"};
    std::array<bool, 4> Side_Label_Visible{};
    bool Bar_Image_Visible = false;
    bool Plate_Image_Visible = false;

    // Scheme options of the two input copies (transient kinds).
    bool Explicit_Shown = true;

    // Read-only copies of the inputs (both copies hold the same texts).
    std::array<std::string, Display_Box_Count> Display_Text;
    bool Y_Grid_Visible = false;
    bool Transient_Frame_Visible = false;

    // Times of the 2-D transient kind.
    std::vector<std::string> Time_List_Items;
    std::string Time_List_Text;
    bool Time_List_Visible = false;
    bool Second_Label_Visible = false;

    // Locations of the 1-D transient kind.
    std::vector<std::string> Distance_List_Items;
    std::string Distance_List_Text;
    bool X_Input_Frame_Visible = false;

    std::int16_t Draw_Flag = 0;
    int Selected_Tab = 0;

    // Empty for a run solved by its own method; otherwise how the values
    // shown were found (the window's caption and the report say so).
    std::string Method_Note;

    Text_Table Output_Table;
    Chart_Data Chart;
};

}  // namespace calorix
