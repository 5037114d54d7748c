#pragma once
// The result store of each solver module.  The run driver dimensions a store
// afresh before every run of its kind; the solver fills it and the results
// window reads it.  A store keeps its contents until the next run of its kind.
#include <cstdint>
#include <vector>

#include "solvers/node_arrays.h"

namespace calorix {

struct Steady_1D_Store {
    std::int16_t Nodes_1D = 0;
    std::int16_t Column_Count_1D = 0;  // temperature rows of the 1-D table
    std::int32_t Sweeps = 0;           // Gauss-Seidel sweeps of the last solve
    Node_Line Temperature_1D;
    Node_Line Old_Temperature_1D;  // previous sweep, interior nodes only
    Node_Line X_Location_1D;       // (i-1)*dx, m
    // The solution as the sweeps left it, before results below 0.01 C were
    // stored as 0: what the heat balance and the error measures read.
    std::vector<double> Unclamped_1D;
};

struct Steady_2D_Store {
    std::int16_t X_Nodes_2D = 0;
    std::int16_t Y_Nodes_2D = 0;
    std::int32_t Sweeps = 0;  // Gauss-Seidel sweeps of the last solve (0: uniform field)
    Node_Plane Temperature_2D;
    Node_Plane Old_Temperature_2D;
    Node_Line Location_2D;  // (m-1)*dx, serves as x(i) and y(j)
};

struct Transient_1D_Store {
    double Nodes_T1D = 0;                // X_Grid as a whole number
    std::int16_t Time_Steps_T1D = 0;     // M after the solve, M+1 after presentation
    Node_Line New_Temperature_T1D;       // new time level
    Node_Line Temperature_T1D;           // old time level
    Node_Line Iterate_Temperature_T1D;   // implicit: the new level before the sweep
    Level_Lines Temperature_History_1D;  // levels 1..M+1, level 1 = initial profile
    Node_Line X_Location_T1D;
    std::int64_t Implicit_Sweeps = 0;  // Gauss-Seidel sweeps of the last implicit run
};

struct Transient_2D_Store {
    std::int16_t X_Nodes_T2D = 0;
    std::int16_t Y_Nodes_T2D = 0;
    std::int16_t Time_Steps_T2D = 0;
    double Bi_Left = 0, Bi_Right = 0, Bi_Top = 0, Bi_Bottom = 0;
    Node_Plane Temperature_T2D;
    Node_Plane New_Temperature_T2D;
    Node_Plane Iterate_Temperature_T2D;   // implicit scheme only
    Level_Planes Temperature_History_2D;  // levels 0..NT
    Node_Line Location_T2D;
    std::int16_t Table_Ready_T2D = 0;
    std::int64_t Implicit_Sweeps = 0;  // Gauss-Seidel sweeps of the last implicit run
};

// Every store of the program, plus the two values the transient solvers share.
struct Result_Stores {
    Steady_1D_Store Steady_1D;
    Steady_2D_Store Steady_2D;
    Transient_1D_Store Transient_1D;
    Transient_2D_Store Transient_2D;
    double Delta_Time = 0;
    double Fourier_Number = 0;
    // Upper bounds of the two picture planes computed by the run driver for
    // the 2-D kinds; the picture code allocates only the cells it paints.
    std::int32_t Picture_Upper_X = 0;
    std::int32_t Picture_Upper_Y = 0;
};

}  // namespace calorix
