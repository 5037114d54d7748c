#pragma once
// Shared by the heat-balance, exact-solution and explainer suites: a run of
// one of the start-up problems through the run driver, and small grids set up
// by hand.
#include "analysis/node_equation.h"
#include "input/run_driver.h"
#include "test_dialogs.h"

namespace teach_test {

struct Run {
    calorix::Problem_Definition p;
    calorix::Result_Stores stores;
    calorix::Output_Model out;
    calorix::Fd_Grid grid;
};

// The problem the input window offers at start on tab `kind`, solved.
inline void Start_Up(int kind, Run& r) {
    calorix::Input_Form_State form = calorix::Initial_Form_State();
    form.Kind = kind;
    calorix::fakes::Scripted_Dialogs dialogs;
    calorix::Run_Calculation(form, r.p, r.stores, r.out, dialogs);
    r.grid = calorix::Run_Grid(r.p, r.stores, kind);
}

// A definition with every side of kind 1 at 0 C.
inline calorix::Problem_Definition Problem(int nx, int ny, double grid_cm, double k, double g) {
    calorix::Problem_Definition p;
    p.X_Grid = nx;
    p.Y_Grid = static_cast<std::int16_t>(ny);
    p.Grid_Size = grid_cm;
    p.Conductivity = k;
    p.Q_generation = g;
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = calorix::BC_Temperature;
    return p;
}

}  // namespace teach_test
