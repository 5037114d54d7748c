#include "solvers/transient_state_conduction_1d.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {

constexpr double Tolerance = 1e-4;    // C, every node, implicit scheme
constexpr double Start_Offset = 5.0;  // C above Ti for the first implicit iterate

// A Gauss-Seidel sweep of these diagonally dominant equations shrinks the
// largest change of a node by a fixed factor below one every sweep, so in
// exact arithmetic it never fails to decrease.  When it has not reached a new
// low for this many sweeps, rounding noise has taken over: the temperatures
// are so large that a difference of 1e-4 C is below their resolution in
// double precision and the step would never settle.  The run then ends with a
// run failure instead of hanging.
constexpr int Stall_Sweeps = 1000;

// Three explicit stability conditions, tested in this order; a value above 1
// (exactly 1 passes) makes the coefficient of a node's own old temperature
// negative and the scheme oscillate.
constexpr const char* Message_2F0 =
    "Stability condition violated.... 2xF0 must be less than or equal to 1 ... Do you want to "
    "proceed ?";
constexpr const char* Message_Bi_Right =
    "Stability condition violated.... 2xF0 + 2xBi_RightxF0 must be less than or equal to 1 ... "
    "Do you want to proceed ?";
constexpr const char* Message_Bi_Left =
    "Stability condition violated.... 2xF0 + 2xBi_LeftxF0 must be less than or equal to 1 ... "
    "Do you want to proceed ?";

// True when the user lets the explicit run go on.
bool Explicit_Run_Accepted(double f0, double bi_l, double bi_r, User_Dialogs& dialogs) {
    if (2.0 * f0 > 1.0 && !dialogs.Ask_Yes_No(Message_2F0, true)) {
        return false;
    }
    if ((2.0 * bi_r) * f0 + 2.0 * f0 > 1.0 && !dialogs.Ask_Yes_No(Message_Bi_Right, true)) {
        return false;
    }
    if ((2.0 * bi_l) * f0 + 2.0 * f0 > 1.0 && !dialogs.Ask_Yes_No(Message_Bi_Left, true)) {
        return false;
    }
    return true;
}

// One face of the wall, as its node equations see it.
struct Face {
    std::int16_t kind;
    double temperature;  // kind 1
    double flux_term;    // dx*q/k, kind 2
    double biot;         // h*dx/k, kind 3
    double t_infinity;   // kind 3
};

// Explicit half-cell balance of a face node with its one neighbour.
inline double Explicit_Face(const Face& f, double own, double neighbour, double f0, double g2) {
    if (f.kind == BC_Flux) {
        return (1.0 - 2.0 * f0) * own + 2.0 * f0 * (neighbour + f.flux_term + g2);
    }
    return (1.0 - 2.0 * f0 - 2.0 * f.biot * f0) * own +
           2.0 * f0 * (g2 + f.t_infinity * f.biot + neighbour);
}

// Implicit half-cell balance: `own` is the face's value at the previous time
// level, `neighbour` the current iterate of the next node.
inline double Implicit_Face(const Face& f, double own, double neighbour, double f0, double g2) {
    if (f.kind == BC_Flux) {
        return (own + 2.0 * f0 * (g2 + neighbour + f.flux_term)) / (1.0 + 2.0 * f0);
    }
    return (own + 2.0 * f0 * (g2 + f.t_infinity * f.biot + neighbour)) /
           (2.0 * f0 * f.biot + 1.0 + 2.0 * f0);
}

void Require_Nodes(const Node_Line& line, int n) {
    if (line.Count() < n) {
        throw Run_Error("1-D transient store smaller than the node count");
    }
}

}  // namespace

void Solve_Transient_1D(Problem_Definition& p, Result_Stores& stores, User_Dialogs& dialogs) {
    Transient_1D_Store& s = stores.Transient_1D;
    const int n = To_Int16(p.X_Grid);
    const int m = To_Int16(p.Number_Of_Time_Steps);
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    s.Nodes_T1D = n;
    s.Time_Steps_T1D = static_cast<std::int16_t>(m);
    stores.Delta_Time = p.Time_Step;
    const double bi_r = (p.h_BC_Right * dx) / k;
    const double bi_l = (p.h_BC_Left * dx) / k;
    const double f0 = (p.Diffusivity * p.Time_Step) / std::pow(dx, 2);
    stores.Fourier_Number = f0;
    s.Implicit_Sweeps = 0;
    const double g1 = std::pow(dx, 2) * p.Q_generation / k;
    const double g2 = std::pow(dx, 2) * p.Q_generation / (2.0 * k);

    if (p.Explicit_Scheme && !Explicit_Run_Accepted(f0, bi_l, bi_r, dialogs)) {
        p.Stability_Message_Flag = 1;
        return;
    }

    Require_Nodes(s.Temperature_T1D, n);
    Require_Nodes(s.New_Temperature_T1D, n);
    Require_Nodes(s.Iterate_Temperature_T1D, n);
    Require_Nodes(s.X_Location_T1D, n);
    if (s.Temperature_History_1D.Nodes() != n || s.Temperature_History_1D.Levels() < m + 1) {
        throw Run_Error("1-D transient history smaller than the run");
    }

    const Face left{p.Left_BC, p.Temp_BC_Left, dx * p.Q_BC_Left / k, bi_l, p.T_Infinity_BC_Left};
    const Face right{p.Right_BC, p.Temp_BC_Right, dx * p.Q_BC_Right / k, bi_r,
                     p.T_Infinity_BC_Right};
    // Element i-1 is node i.
    double* const x = s.X_Location_T1D.Data();
    double* const old_t = s.Temperature_T1D.Data();
    double* const new_t = s.New_Temperature_T1D.Data();
    double* const iterate = s.Iterate_Temperature_T1D.Data();
    const std::size_t bytes = static_cast<std::size_t>(n) * sizeof(double);
    const int last = n - 1;

    for (int i = 0; i < n; ++i) {
        x[i] = i * dx;
        old_t[i] = p.Initial_Temp;
    }
    if (left.kind == BC_Temperature) {
        old_t[0] = left.temperature;
    }
    if (right.kind == BC_Temperature) {
        old_t[last] = right.temperature;
    }
    std::memcpy(s.Temperature_History_1D.Level(1), old_t, bytes);

    if (p.Explicit_Scheme) {
        const double own = 1.0 - 2.0 * f0;
        for (int step = 1; step <= m; ++step) {
            // Every right-hand side reads the old level only.
            if (right.kind == BC_Temperature) {
                old_t[last] = right.temperature;
                new_t[last] = right.temperature;
            } else {
                new_t[last] = Explicit_Face(right, old_t[last], old_t[last - 1], f0, g2);
            }
            if (left.kind == BC_Temperature) {
                old_t[0] = left.temperature;
                new_t[0] = left.temperature;
            } else {
                new_t[0] = Explicit_Face(left, old_t[0], old_t[1], f0, g2);
            }
            const double* __restrict o = old_t;
            double* __restrict w = new_t;
            for (int i = 1; i < last; ++i) {
                w[i] = own * o[i] + f0 * (g1 + o[i + 1] + o[i - 1]);
            }
            std::memcpy(s.Temperature_History_1D.Level(step + 1), new_t, bytes);
            std::memcpy(old_t, new_t, bytes);
            // An unstable run the user let go on grows without bound; stop
            // at the first overflow rather than after the last step.
            Check_Float_Faults();
        }
        return;
    }

    for (int i = 0; i < n; ++i) {
        new_t[i] = p.Initial_Temp + Start_Offset;
    }
    const double centre = 1.0 + 2.0 * f0;
    for (int step = 1; step <= m; ++step) {
        double lowest_change = HUGE_VAL;
        int sweeps_without_progress = 0;
        for (;;) {
            ++s.Implicit_Sweeps;
            std::memcpy(iterate, new_t, bytes);
            if (right.kind == BC_Temperature) {
                old_t[last] = right.temperature;
                new_t[last] = right.temperature;
            } else {
                new_t[last] = Implicit_Face(right, old_t[last], new_t[last - 1], f0, g2);
            }
            if (left.kind == BC_Temperature) {
                old_t[0] = left.temperature;
                new_t[0] = left.temperature;
            } else {
                new_t[0] = Implicit_Face(left, old_t[0], new_t[1], f0, g2);
            }
            // In place: node i-1 already carries this sweep's value, node i+1
            // the previous sweep's.
            double carried = new_t[0];
            for (int i = 1; i < last; ++i) {
                carried = (old_t[i] + f0 * (g1 + carried + new_t[i + 1])) / centre;
                new_t[i] = carried;
            }
            double change = 0.0;
            for (int i = 0; i < n; ++i) {
                change = std::max(change, std::fabs(new_t[i] - iterate[i]));
            }
            Check_Float_Faults();
            if (change <= Tolerance) {
                break;
            }
            if (change < lowest_change) {
                lowest_change = change;
                sweeps_without_progress = 0;
            } else if (++sweeps_without_progress == Stall_Sweeps) {
                throw Run_Error("implicit time step cannot reach the tolerance");
            }
        }
        std::memcpy(s.Temperature_History_1D.Level(step + 1), new_t, bytes);
        std::memcpy(old_t, new_t, bytes);
    }
}

}  // namespace calorix
