#include "common/problem_definition.h"

#include "common/number_text.h"
#include "common/user_dialogs.h"

namespace calorix {

std::int16_t Problem_Definition::BC_Of(int side) const {
    switch (side) {
        case Side_Left:
            return Left_BC;
        case Side_Right:
            return Right_BC;
        case Side_Top:
            return Top_BC;
        default:
            return Bottom_BC;
    }
}

Input_Form_State Initial_Form_State() {
    Input_Form_State f;
    f.Kind = Kind_Steady_2D;
    auto set = [&](int tab, const char* grid, const char* nx, const char* ny, const char* gen,
                   const char* k, const char* temp) {
        Parameter_Texts& t = f.Tabs[tab];
        t.Grid_Size_Text = grid;
        t.X_Grid_Text = nx;
        t.Y_Grid_Text = ny;
        t.Heat_Generation_Text = gen;
        t.Thermal_Conductivity_Text = k;
        t.Guess_Initial_Temperature_Text = temp;
    };
    set(0, "10", "5", "", "200", "50", "20");
    set(1, "25", "5", "5", "0", "1", "250");
    set(2, "7.5", "5", "", "0", "401", "20");
    set(3, "0.5", "5", "3", "0", "3", "300");
    f.Tabs[2].Diffusivity_Text = "0.000117";
    f.Tabs[2].Time_Step_Text = "24";
    f.Tabs[2].Number_Of_Time_Steps_Text = "5";
    f.Tabs[3].Diffusivity_Text = ".000002344";
    f.Tabs[3].Time_Step_Text = "2";
    f.Tabs[3].Number_Of_Time_Steps_Text = "6";

    f.Sides[0].T_Text = "200";
    f.Sides[4].T_Text = "226.8";
    f.Sides[5].T_Text = "226.8";
    f.Sides[6].T_Text = "226.8";
    f.Sides[7].T_Infinity_Text = "26.8";
    f.Sides[7].h_Text = "10";
    f.Sides[8].T_Text = "200";
    f.Sides[8].q_Text = "300000";
    f.Sides[9].T_Text = "20";
    f.Sides[12].T_Text = "300";
    f.Sides[13].T_Text = "300";
    f.Sides[14].T_Infinity_Text = "50";
    f.Sides[14].h_Text = "200";
    return f;
}

const char* BC_Caption(int bc_kind) {
    switch (bc_kind) {
        case BC_Temperature:
            return "Constant Temperature";
        case BC_Flux:
            return "Constant Heat Flux";
        case BC_Convection:
            return "Convection Environment";
        default:
            return "";
    }
}

void Initialize_Inputs(const Input_Form_State& form, Problem_Definition& p) {
    const int k = form.Kind;
    const Parameter_Texts& t = form.Tabs[k];
    p.Kind = k;
    p.Grid_Size = Text_To_Number(t.Grid_Size_Text);
    p.Q_generation = Text_To_Number(t.Heat_Generation_Text);
    p.Conductivity = Text_To_Number(t.Thermal_Conductivity_Text);
    p.Guess_Temp = Text_To_Number(t.Guess_Initial_Temperature_Text);
    // One box serves as guessed temperature (steady) and initial temperature
    // (transient).
    p.Initial_Temp = p.Guess_Temp;
    p.X_Grid = Text_To_Number(t.X_Grid_Text);
    if (k == Kind_Steady_2D || k == Kind_Transient_2D) {
        p.Y_Grid = To_Int16(Text_To_Number(t.Y_Grid_Text));
    }
    if (k == Kind_Transient_1D || k == Kind_Transient_2D) {
        p.Diffusivity = Text_To_Number(t.Diffusivity_Text);
        p.Time_Step = Text_To_Number(t.Time_Step_Text);
        p.Number_Of_Time_Steps = Text_To_Number(t.Number_Of_Time_Steps_Text);
        p.Explicit_Scheme = t.Explicit_Option;
    }
}

void Initialize_Boundary_Conditions(const Input_Form_State& form, Problem_Definition& p) {
    const int o = 4 * form.Kind;
    const auto& s = form.Sides;
    p.Left_BC = s[o].Choice;
    p.Right_BC = s[o + 1].Choice;
    p.Top_BC = s[o + 2].Choice;
    p.Bottom_BC = s[o + 3].Choice;
    p.Temp_BC_Left = Text_To_Number(s[o].T_Text);
    p.Temp_BC_Right = Text_To_Number(s[o + 1].T_Text);
    p.Temp_BC_Top = Text_To_Number(s[o + 2].T_Text);
    p.Temp_BC_Bottom = Text_To_Number(s[o + 3].T_Text);
    p.Q_BC_Left = Text_To_Number(s[o].q_Text);
    p.Q_BC_Right = Text_To_Number(s[o + 1].q_Text);
    p.Q_BC_Top = Text_To_Number(s[o + 2].q_Text);
    p.Q_BC_Bottom = Text_To_Number(s[o + 3].q_Text);
    p.T_Infinity_BC_Left = Text_To_Number(s[o].T_Infinity_Text);
    p.h_BC_Left = Text_To_Number(s[o].h_Text);
    p.T_Infinity_BC_Right = Text_To_Number(s[o + 1].T_Infinity_Text);
    p.h_BC_Right = Text_To_Number(s[o + 1].h_Text);
    p.T_Infinity_BC_Top = Text_To_Number(s[o + 2].T_Infinity_Text);
    p.h_BC_Top = Text_To_Number(s[o + 2].h_Text);
    p.T_Infinity_BC_Bottom = Text_To_Number(s[o + 3].T_Infinity_Text);
    p.h_BC_Bottom = Text_To_Number(s[o + 3].h_Text);
}

std::string Validation_Message(const Problem_Definition& p, int kind) {
    const bool two_d = kind == Kind_Steady_2D || kind == Kind_Transient_2D;
    const bool transient = kind == Kind_Transient_1D || kind == Kind_Transient_2D;
    if (!(p.Grid_Size > 0)) {
        return "Grid size has to be a positive value";
    }
    if (!(p.Conductivity > 0)) {
        return "Thermal conductivity  has to be a positive value";
    }
    if (p.X_Grid < 3 || (two_d && p.Y_Grid < 3)) {
        return "Number of nodes has to be greater or equal three nodes in each direction";
    }
    if (transient) {
        if (!(p.Diffusivity > 0)) {
            return "Thermal diffusivity has to be a positive value";
        }
        if (!(p.Time_Step > 0)) {
            return "Time step has to be a positive value";
        }
        if (!(p.Number_Of_Time_Steps > 0)) {
            return "Number of time steps has to be a positive value";
        }
        if (p.Number_Of_Time_Steps > 999) {
            return "Number of time steps has to be less than 1000";
        }
    }
    // With every side adiabatic-or-heated by a fixed flux there is no steady
    // temperature level: the energy balance cannot close.
    if (p.Left_BC == BC_Flux && p.Right_BC == BC_Flux && p.Top_BC == BC_Flux &&
        p.Bottom_BC == BC_Flux) {
        return "There is no steady state solution for this problem";
    }
    return {};
}

void Input_Exception_Handling(Problem_Definition& p, int kind, User_Dialogs& dialogs) {
    const std::string message = Validation_Message(p, kind);
    if (!message.empty()) {
        dialogs.Show_Message(message);
        p.Input_Message_Flag = 1;
    }
}

}  // namespace calorix
