#pragma once
// The problem definition: the values every run copies out of the selected tab
// of the input window, in the units the student typed them.  Validation, the
// solvers and the results report read them from here and from nowhere else.
#include <array>
#include <cstdint>
#include <string>

namespace calorix {

// Problem kinds, the tab index of the input window.
enum Kind : int {
    Kind_Steady_1D = 0,
    Kind_Steady_2D = 1,
    Kind_Transient_1D = 2,
    Kind_Transient_2D = 3,
};

// Sides: 0 left, 1 right, 2 top, 3 bottom.
enum Side : int { Side_Left = 0, Side_Right = 1, Side_Top = 2, Side_Bottom = 3 };

// Boundary-condition kinds.
enum BC_Kind : std::int16_t {
    BC_Temperature = 1,  // constant surface temperature
    BC_Flux = 2,         // constant heat flux, positive into the body
    BC_Convection = 3,   // convection environment h, T_infinity
};

struct Problem_Definition {
    std::int16_t Left_BC = 0, Right_BC = 0, Top_BC = 0, Bottom_BC = 0;
    double Grid_Size = 0;             // cm
    double Q_generation = 0;          // W/m^3
    double Conductivity = 0;          // W/m.K
    double Guess_Temp = 0;            // C, steady kinds
    double Initial_Temp = 0;          // C, transient kinds
    double Diffusivity = 0;           // m^2/s
    double Time_Step = 0;             // s
    double Number_Of_Time_Steps = 0;  // stored unrounded
    double X_Grid = 0;                // stored unrounded
    std::int16_t Y_Grid = 0;
    double Temp_BC_Left = 0, Temp_BC_Right = 0, Temp_BC_Top = 0, Temp_BC_Bottom = 0;
    double Q_BC_Left = 0, Q_BC_Right = 0, Q_BC_Top = 0, Q_BC_Bottom = 0;
    double T_Infinity_BC_Left = 0, T_Infinity_BC_Right = 0, T_Infinity_BC_Top = 0,
           T_Infinity_BC_Bottom = 0;
    double h_BC_Left = 0, h_BC_Right = 0, h_BC_Top = 0, h_BC_Bottom = 0;
    std::int16_t Stability_Message_Flag = 0;
    std::int16_t Input_Message_Flag = 0;
    std::string File_Name = "output.clx";
    std::string Side_String;

    // The kind of the tab the last fill read, and the scheme option of the
    // transient tabs as it stood then (true = explicit).  The window's option
    // buttons are the truth; these copies let the solvers stay free of it.
    int Kind = Kind_Steady_2D;
    bool Explicit_Scheme = true;

    std::int16_t BC_Of(int side) const;
};

// The texts of one tab's parameter boxes and its scheme option.  Boxes a tab
// does not have stay empty.
struct Parameter_Texts {
    std::string Grid_Size_Text, Heat_Generation_Text, Thermal_Conductivity_Text,
        Guess_Initial_Temperature_Text, X_Grid_Text, Y_Grid_Text, Diffusivity_Text, Time_Step_Text,
        Number_Of_Time_Steps_Text;
    bool Explicit_Option = true;  // false: Implicit_Option selected
};

// The boundary-condition controls of one side of one tab.
struct Side_Inputs {
    std::int16_t Choice = BC_Temperature;  // which of BC1/BC2/BC3_Option is selected
    std::string T_Text, q_Text, T_Infinity_Text, h_Text;
};

// Everything typed on the input window: the selected tab, the parameter boxes
// of each tab (Tabs[kind]) and the sixteen sides (Sides[4 * kind + side]).
struct Input_Form_State {
    int Kind = Kind_Steady_2D;
    std::array<Parameter_Texts, 4> Tabs;
    std::array<Side_Inputs, 16> Sides;
};

// The texts the window shows when it opens.
Input_Form_State Initial_Form_State();

// Caption of a side label of the results window for a boundary kind.
const char* BC_Caption(int bc_kind);

// Copy the parameter boxes of the selected tab into the definition.  Y_Grid
// (kinds 1, 3) is rounded half-even; a value outside 16 bits throws Run_Error.
void Initialize_Inputs(const Input_Form_State& form, Problem_Definition& p);

// Copy the four boundary kinds and all sixteen boundary values of the
// selected tab, whatever the kind (the hidden top and bottom of the 1-D tabs
// are read as well).
void Initialize_Boundary_Conditions(const Input_Form_State& form, Problem_Definition& p);

// Checks the freshly filled definition; returns the first failing message, or
// an empty text when the problem may be solved.
std::string Validation_Message(const Problem_Definition& p, int kind);

class User_Dialogs;
// Shows the first failing message (if any) and raises Input_Message_Flag.
void Input_Exception_Handling(Problem_Definition& p, int kind, User_Dialogs& dialogs);

}  // namespace calorix
