#include "input/run_driver.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <new>
#include <optional>
#include <string>

#include "common/number_text.h"
#include "common/run_error.h"
#include "input/memory_budget.h"
#include "solvers/presentation.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"

namespace calorix {

std::int32_t Upper_Bound_X(double x_grid) {
    return To_Int32(25.0 * x_grid + 1.0);
}

std::int16_t Upper_Bound_Y(std::int16_t y_grid) {
    const int bound = 25 * static_cast<int>(y_grid) + 1;
    if (bound > 32767 || bound < -32768) {
        throw Run_Error("25*Y+1 overflows 16 bits");
    }
    return static_cast<std::int16_t>(bound);
}

void Require_Memory(double doubles, const std::string& root) {
    // The stores may take three quarters of what the process may still use
    // (the table and the pictures built from them need room too), and never
    // more than half of the physical memory, beyond which the machine would
    // start to swap.  Past that the kernel would end the program; the
    // student should instead be told to choose fewer nodes.
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGESIZE);
    double limit = pages > 0 && page_size > 0
                       ? 0.5 * static_cast<double>(pages) * static_cast<double>(page_size)
                       : 4.0e9;
    if (const std::optional<double> available = Available_Memory_Bytes(root)) {
        limit = std::min(limit, 0.75 * *available);
    }
    if (doubles * sizeof(double) > limit) {
        throw Run_Error("not enough memory");
    }
}

namespace {

void Require_Index(long used, long upper) {
    if (used > upper) {
        throw Run_Error("index outside the dimensioned store");
    }
}

// Picture planes of the 2-D kinds: (2500, 2500) below 100 nodes, otherwise
// the solver bounds.  The planes themselves are allocated by the picture
// code for the cells it paints.
void Dimension_Picture_Planes(const Problem_Definition& p, std::int32_t ux, std::int16_t uy,
                              Result_Stores& stores) {
    const double v = p.X_Grid < p.Y_Grid ? static_cast<double>(p.Y_Grid) : p.X_Grid;
    if (v < 100) {
        stores.Picture_Upper_X = 2500;
        stores.Picture_Upper_Y = 2500;
    } else {
        stores.Picture_Upper_X = ux;
        stores.Picture_Upper_Y = uy;
    }
}

}  // namespace

void Dimension_Steady_1D(const Problem_Definition& p, Result_Stores& stores) {
    const std::int32_t ux = Upper_Bound_X(p.X_Grid);
    const int n = To_Int16(p.X_Grid);
    Require_Index(n, ux);
    Require_Memory(3.0 * n);
    Steady_1D_Store& s = stores.Steady_1D;
    s.Temperature_1D.Dimension(n);
    s.Old_Temperature_1D.Dimension(n);
    s.X_Location_1D.Dimension(n);
}

void Dimension_Steady_2D(const Problem_Definition& p, Result_Stores& stores) {
    const std::int32_t ux = Upper_Bound_X(p.X_Grid);
    const std::int16_t uy = Upper_Bound_Y(p.Y_Grid);
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    Require_Index(nx, ux);
    Require_Index(ny, uy);
    Require_Index(ny, ux);  // Location_2D serves both directions
    Require_Memory(2.0 * nx * ny + std::max(nx, ny));
    Steady_2D_Store& s = stores.Steady_2D;
    s.Temperature_2D.Dimension(nx, ny);
    s.Old_Temperature_2D.Dimension(nx, ny);
    s.Location_2D.Dimension(std::max(nx, ny));
    Dimension_Picture_Planes(p, ux, uy, stores);
}

void Dimension_Transient_1D(const Problem_Definition& p, Result_Stores& stores) {
    const std::int32_t ux = Upper_Bound_X(p.X_Grid);
    const std::int32_t ut = To_Int32(25.0 * p.Number_Of_Time_Steps + 1.0);
    const int n = To_Int16(p.X_Grid);
    const int m = To_Int16(p.Number_Of_Time_Steps);
    Require_Index(n, ux);
    Require_Index(m + 1, ut);
    Require_Memory(5.0 * n + (m + 1.0) * n);
    Transient_1D_Store& s = stores.Transient_1D;
    s.New_Temperature_T1D.Dimension(n);
    s.Temperature_T1D.Dimension(n);
    s.Iterate_Temperature_T1D.Dimension(n);
    s.Temperature_History_1D.Dimension(1, m + 1, n);
    s.X_Location_T1D.Dimension(n);
}

void Dimension_Transient_2D(const Problem_Definition& p, Result_Stores& stores) {
    const std::int32_t ux = Upper_Bound_X(p.X_Grid);
    const std::int16_t uy = Upper_Bound_Y(p.Y_Grid);
    const std::int32_t ut = To_Int32(p.Number_Of_Time_Steps + 1.0);
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    const int nt = To_Int16(p.Number_Of_Time_Steps);
    Require_Index(nx, ux);
    Require_Index(ny, uy);
    Require_Index(ny, ux);  // Location_T2D serves both directions
    Require_Index(nt, ut);
    Require_Memory((3.0 + nt + 1.0) * nx * ny + std::max(nx, ny));
    Transient_2D_Store& s = stores.Transient_2D;
    s.New_Temperature_T2D.Dimension(nx, ny);
    s.Temperature_T2D.Dimension(nx, ny);
    s.Iterate_Temperature_T2D.Dimension(nx, ny);
    s.Temperature_History_2D.Dimension(nt + 1, nx, ny);
    s.Location_T2D.Dimension(std::max(nx, ny));
    Dimension_Picture_Planes(p, ux, uy, stores);
}

namespace {

void Run_Steady_1D(const Problem_Definition& p, Result_Stores& stores, Output_Model& out) {
    stores.Steady_1D.Sweeps = 0;  // the count tells whether the solve ran out of sweeps
    Dimension_Steady_1D(p, stores);
    Solve_Steady_State_1D(p, stores.Steady_1D);
    Check_Float_Faults();
    Present_Steady_1D(stores, out);
}

void Run_Steady_2D(const Problem_Definition& p, Result_Stores& stores, Output_Model& out) {
    stores.Steady_2D.Sweeps = 0;
    Dimension_Steady_2D(p, stores);
    Solve_Steady_State_2D(p, stores.Steady_2D);
    Check_Float_Faults();
    Present_Steady_2D(stores, out);
}

}  // namespace

void Present_Steady_1D(Result_Stores& stores, Output_Model& out) {
    Display_Steady_State_1D_Results(stores.Steady_1D, out);
    const char* caption = "1-D Steady State Problem Inputs";
    out.Output_Frame_Caption = {caption, caption};
    out.Plot_Output_Frame_Caption = caption;
    out.Table_Title_Label = "T (Degrees Celsuis) as a function of x (Meters)";
    out.Side_Label_Visible = {true, true, false, false};
    out.Bar_Image_Visible = true;
    out.Plate_Image_Visible = false;
    out.X_Label = " x (m)";
    out.Y_Label = "";
}

void Present_Steady_2D(Result_Stores& stores, Output_Model& out) {
    Display_Steady_State_2D_Results(stores.Steady_2D, out);
    const char* caption = "2-D Steady State Problem Inputs";
    out.Output_Frame_Caption = {caption, caption};
    out.Table_Title_Label = "T (Degrees Celsuis) as a function of x (Meters) and y (Meters)";
    out.Side_Label_Visible = {true, true, true, true};
    out.Bar_Image_Visible = false;
    out.Plate_Image_Visible = true;
    out.Draw_Flag = 1;
    out.X_Label = " x (m)";
    out.Y_Label = " y (m)";
}

namespace {

bool Run_Transient_1D(Problem_Definition& p, Result_Stores& stores, Output_Model& out,
                      User_Dialogs& dialogs) {
    Dimension_Transient_1D(p, stores);
    p.Stability_Message_Flag = 0;
    Solve_Transient_1D(p, stores, dialogs);
    Check_Float_Faults();
    if (p.Stability_Message_Flag == 1) {
        return false;
    }
    Display_Transient_1D_Results(stores, out);
    const char* caption = "1-D Transient Problem Inputs";
    out.Output_Frame_Caption = {caption, caption};
    out.Plot_Output_Frame_Caption = caption;
    out.Table_Title_Label = "T (Degrees Celsuis) as a function of x (Meters) and t (Seconds)";
    out.Side_Label_Visible = {true, true, false, false};
    out.Bar_Image_Visible = true;
    out.Plate_Image_Visible = false;
    out.Explicit_Shown = p.Explicit_Scheme;
    out.X_Label = " x (m)";
    out.Y_Label = " t (Sec)";
    return true;
}

bool Run_Transient_2D(Problem_Definition& p, Result_Stores& stores, Output_Model& out,
                      User_Dialogs& dialogs) {
    Dimension_Transient_2D(p, stores);
    Transient_2D_Store& s = stores.Transient_2D;
    p.Stability_Message_Flag = 0;
    Solve_Transient_2D(p, stores, dialogs);
    Check_Float_Faults();
    if (p.Stability_Message_Flag == 1) {
        return false;
    }
    Display_Transient_2D_Results(s, s.New_Temperature_T2D, out.Output_Table);
    const char* caption = "2-D Transient Problem Inputs";
    out.Output_Frame_Caption = {caption, caption};
    out.Table_Title_Label =
        "T (Degrees Celsuis) as a function of x (Meters) and y (Meters) at Time = ";
    out.Side_Label_Visible = {true, true, true, true};
    out.Bar_Image_Visible = false;
    out.Plate_Image_Visible = true;
    out.Draw_Flag = 1;
    out.Explicit_Shown = p.Explicit_Scheme;
    out.X_Label = " x (m)";
    out.Y_Label = " y (m)";
    for (int i = 0; i <= s.Time_Steps_T2D; ++i) {
        out.Time_List_Items.push_back(Format_Number(p.Time_Step * i, "0.###"));
    }
    out.Time_List_Text = Format_Number(p.Time_Step * s.Time_Steps_T2D, "0.###");
    out.Second_Label_Visible = true;
    out.Time_List_Visible = true;
    return true;
}

bool Inputs_Are_Finite(const Problem_Definition& p) {
    const double values[] = {p.Grid_Size,
                             p.Q_generation,
                             p.Conductivity,
                             p.Guess_Temp,
                             p.Initial_Temp,
                             p.Diffusivity,
                             p.Time_Step,
                             p.Number_Of_Time_Steps,
                             p.X_Grid,
                             p.Temp_BC_Left,
                             p.Temp_BC_Right,
                             p.Temp_BC_Top,
                             p.Temp_BC_Bottom,
                             p.Q_BC_Left,
                             p.Q_BC_Right,
                             p.Q_BC_Top,
                             p.Q_BC_Bottom,
                             p.T_Infinity_BC_Left,
                             p.T_Infinity_BC_Right,
                             p.T_Infinity_BC_Top,
                             p.T_Infinity_BC_Bottom,
                             p.h_BC_Left,
                             p.h_BC_Right,
                             p.h_BC_Top,
                             p.h_BC_Bottom};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

}  // namespace

void Initialize_Text_Boxes(const Problem_Definition& p, int kind, Output_Model& out) {
    out.Display_Text[Box_Grid_Size] = Plain_Number_Text(p.Grid_Size);
    out.Display_Text[Box_Heat_Generation] = Plain_Number_Text(p.Q_generation);
    out.Display_Text[Box_Thermal_Conductivity] = Plain_Number_Text(p.Conductivity);
    out.Display_Text[Box_Guess_Initial_Temperature] = Plain_Number_Text(p.Initial_Temp);
    out.Display_Text[Box_X_Grid] = Plain_Number_Text(p.X_Grid);
    out.Display_Text[Box_Y_Grid] = Plain_Number_Text(p.Y_Grid);
    out.Display_Text[Box_Diffusivity] = Plain_Number_Text(p.Diffusivity);
    out.Display_Text[Box_Time_Step] = Plain_Number_Text(p.Time_Step);
    out.Display_Text[Box_Number_Of_Time_Steps] = Plain_Number_Text(p.Number_Of_Time_Steps);
    out.Y_Grid_Visible = kind == Kind_Steady_2D || kind == Kind_Transient_2D;
    out.Transient_Frame_Visible = kind == Kind_Transient_1D || kind == Kind_Transient_2D;
}

Run_Outcome Run_Calculation(const Input_Form_State& form, Problem_Definition& p,
                            Result_Stores& stores, Output_Model& out, User_Dialogs& dialogs) {
    const int kind = form.Kind;
    try {
        Initialize_Inputs(form, p);
    } catch (const Run_Error&) {
        // A node count in y beyond 16 bits cannot be held; there is no
        // sensible run for it.
        dialogs.Show_Message(Memory_Message);
        return Run_Outcome::Failed;
    }
    Initialize_Boundary_Conditions(form, p);
    if (!Inputs_Are_Finite(p)) {
        // A box such as "1e999" holds a number no double can: its
        // conversion is out of range, a failure of the run like any other.
        dialogs.Show_Message(Memory_Message);
        return Run_Outcome::Failed;
    }
    for (int side = 0; side < 4; ++side) {
        out.Side_Label_Caption[static_cast<std::size_t>(side)] = BC_Caption(p.BC_Of(side));
    }
    p.Input_Message_Flag = 0;
    Input_Exception_Handling(p, kind, dialogs);
    if (p.Input_Message_Flag == 1) {
        return Run_Outcome::Invalid_Input;
    }
    try {
        Clear_Float_Faults();
        out.Kind = kind;
        out.Method_Note.clear();
        switch (kind) {
            case Kind_Steady_1D:
                Run_Steady_1D(p, stores, out);
                break;
            case Kind_Steady_2D:
                Run_Steady_2D(p, stores, out);
                break;
            case Kind_Transient_1D:
                if (!Run_Transient_1D(p, stores, out, dialogs)) {
                    return Run_Outcome::Declined;
                }
                break;
            default:
                if (!Run_Transient_2D(p, stores, out, dialogs)) {
                    return Run_Outcome::Declined;
                }
                break;
        }
        Initialize_Text_Boxes(p, kind, out);
        out.Selected_Tab = 0;
    } catch (const Run_Error&) {
        dialogs.Show_Message(Memory_Message);
        return Run_Outcome::Failed;
    } catch (const std::bad_alloc&) {
        dialogs.Show_Message(Memory_Message);
        return Run_Outcome::Failed;
    } catch (const std::length_error&) {
        dialogs.Show_Message(Memory_Message);
        return Run_Outcome::Failed;
    }
    return Run_Outcome::Solved;
}

}  // namespace calorix
