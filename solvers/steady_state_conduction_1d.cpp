#include "solvers/steady_state_conduction_1d.h"

#include <cmath>

#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {
constexpr double Tolerance = 1e-6;
constexpr int Max_Sweeps = 32767;  // the sweep counter is a 16-bit integer
}  // namespace

void Solve_Steady_State_1D(const Problem_Definition& p, Steady_1D_Store& s) {
    const int n = To_Int16(p.X_Grid);
    s.Nodes_1D = static_cast<std::int16_t>(n);
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    const double bi_l = (p.h_BC_Left * dx) / k;
    const double bi_r = (p.h_BC_Right * dx) / k;
    const double generation = (dx * dx * p.Q_generation) / k;

    double* t = s.Temperature_1D.Data();  // t[i-1] is node i
    double* t_old = s.Old_Temperature_1D.Data();
    double* x = s.X_Location_1D.Data();
    for (int i = 0; i < n; ++i) {
        t_old[i] = p.Guess_Temp;
        t[i] = p.Guess_Temp;
        x[i] = i * dx;
    }

    for (int sweep = 0;;) {
        if (sweep == Max_Sweeps) {
            throw Run_Error("no convergence within 32767 sweeps");
        }
        ++sweep;
        s.Sweeps = sweep;
        // Face nodes: no share of the generation, one conduction step dx to
        // the neighbour, which still holds the previous sweep's value.
        switch (p.Left_BC) {
            case BC_Temperature:
                t[0] = p.Temp_BC_Left;
                break;
            case BC_Flux:
                t[0] = (dx * p.Q_BC_Left) / k + t[1];
                break;
            case BC_Convection:
                t[0] = (p.T_Infinity_BC_Left * bi_l + t[1]) / (bi_l + 1.0);
                break;
            default:
                break;
        }
        switch (p.Right_BC) {
            case BC_Temperature:
                t[n - 1] = p.Temp_BC_Right;
                break;
            case BC_Flux:
                t[n - 1] = (dx * p.Q_BC_Right) / k + t[n - 2];
                break;
            case BC_Convection:
                t[n - 1] = (p.T_Infinity_BC_Right * bi_r + t[n - 2]) / (bi_r + 1.0);
                break;
            default:
                break;
        }
        // Interior nodes in place; the previous sweep's values are kept in
        // t_old for the convergence test, refreshed as we go (they are only
        // needed again if the sweep is not final).
        bool settled = true;
        for (int i = 1; i < n - 1; ++i) {
            // The neighbour renewed in this sweep is added last: a shorter
            // dependency chain from node to node.
            const double v = ((generation + t[i + 1]) + t[i - 1]) * 0.5;
            t[i] = v;
            settled &= std::fabs(v - t_old[i]) <= Tolerance;
            t_old[i] = v;
        }
        if (settled) {
            break;
        }
    }
    // Results below 0.01 C, negative ones included, are reported as 0.
    for (int i = 0; i < n; ++i) {
        if (t[i] < 0.01) {
            t[i] = 0.0;
        }
    }
}

}  // namespace calorix
