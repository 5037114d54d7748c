#pragma once
// Shared by the transient solver suites: a scripted stand-in for the message
// boxes, a transient tab to run through the driver and a solve alone on a
// store dimensioned the driver's way.
#include <deque>
#include <utility>

#include "common/number_text.h"
#include "common/problem_definition.h"
#include "common/run_error.h"
#include "input/run_driver.h"
#include "solvers/result_stores.h"
#include "test_dialogs.h"

namespace transient_test {
namespace {

using Scripted_Dialogs = calorix::fakes::Scripted_Dialogs;

// A transient tab with dx = 1 cm, alpha = 1e-4 and k = 10, so that F = dt
// and Bi = h / 1000; no generation; the body starts at t0 and every side is
// held at side_t.
inline calorix::Input_Form_State Transient_Form(int kind, const char* nx, const char* ny,
                                                const char* dt, const char* steps,
                                                bool explicit_scheme, const char* t0,
                                                const char* side_t) {
    calorix::Input_Form_State f = calorix::Initial_Form_State();
    f.Kind = kind;
    calorix::Parameter_Texts& t = f.Tabs[static_cast<std::size_t>(kind)];
    t.Grid_Size_Text = "1";
    t.X_Grid_Text = nx;
    t.Y_Grid_Text = ny;
    t.Heat_Generation_Text = "0";
    t.Thermal_Conductivity_Text = "10";
    t.Guess_Initial_Temperature_Text = t0;
    t.Diffusivity_Text = "0.0001";
    t.Time_Step_Text = dt;
    t.Number_Of_Time_Steps_Text = steps;
    t.Explicit_Option = explicit_scheme;
    for (int side = 0; side < 4; ++side) {
        calorix::Side_Inputs& s = f.Sides[static_cast<std::size_t>(4 * kind + side)];
        s = calorix::Side_Inputs{};
        s.Choice = calorix::BC_Temperature;
        s.T_Text = side_t;
    }
    return f;
}

// One click of "Calculate Temperature" with scripted answers.
struct Transient_Run {
    calorix::Problem_Definition p;
    calorix::Result_Stores stores;
    calorix::Output_Model out;
    Scripted_Dialogs dialogs;
    calorix::Run_Outcome outcome = calorix::Run_Outcome::Failed;
    explicit Transient_Run(const calorix::Input_Form_State& form, std::deque<bool> answers = {})
        : dialogs(std::move(answers)) {
        outcome = calorix::Run_Calculation(form, p, stores, out, dialogs);
    }
};

// A solve alone, on a store the driver's way, stopping at an overflow.
template <typename Solver>
void Solve_Alone(calorix::Problem_Definition& p, calorix::Result_Stores& stores,
                 Scripted_Dialogs& dialogs, Solver solve) {
    if (p.Kind == calorix::Kind_Transient_1D) {
        calorix::Dimension_Transient_1D(p, stores);
    } else {
        calorix::Dimension_Transient_2D(p, stores);
    }
    calorix::Clear_Float_Faults();
    solve(p, stores, dialogs);
    calorix::Check_Float_Faults();
}

}  // namespace
}  // namespace transient_test
