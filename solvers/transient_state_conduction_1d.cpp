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

// The wall of one run: node count, the numbers of the equations, the faces
// and the store's arrays (element i-1 is node i).
struct Wall {
    int n = 0;
    int m = 0;  // time steps
    double f0 = 0, g1 = 0, g2 = 0;
    Face left{}, right{};
    double* old_t = nullptr;
    double* new_t = nullptr;
    double* iterate = nullptr;
    Level_Lines* history = nullptr;
    std::size_t Bytes() const { return static_cast<std::size_t>(n) * sizeof(double); }
};

// A kind-1 face is held: both levels carry its temperature.
inline bool Hold(const Face& f, double& old_value, double& new_value) {
    if (f.kind != BC_Temperature) {
        return false;
    }
    old_value = f.temperature;
    new_value = f.temperature;
    return true;
}

void Run_Explicit(const Wall& w) {
    const int last = w.n - 1;
    const double own = 1.0 - 2.0 * w.f0;
    for (int step = 1; step <= w.m; ++step) {
        // Every right-hand side reads the old level only.
        double* const old_t = w.old_t;
        double* const new_t = w.new_t;
        if (!Hold(w.right, old_t[last], new_t[last])) {
            new_t[last] = Explicit_Face(w.right, old_t[last], old_t[last - 1], w.f0, w.g2);
        }
        if (!Hold(w.left, old_t[0], new_t[0])) {
            new_t[0] = Explicit_Face(w.left, old_t[0], old_t[1], w.f0, w.g2);
        }
        const double* __restrict o = old_t;
        double* __restrict t = new_t;
        for (int i = 1; i < last; ++i) {
            t[i] = own * o[i] + w.f0 * (w.g1 + o[i + 1] + o[i - 1]);
        }
        std::memcpy(w.history->Level(step + 1), new_t, w.Bytes());
        std::memcpy(old_t, new_t, w.Bytes());
        // An unstable run the user let go on grows without bound; stop at
        // the first overflow rather than after the last step.
        Check_Float_Faults();
    }
}

// One implicit Gauss-Seidel sweep in place; returns the largest change of a
// node, faces included.  Each node's value before the sweep goes into the
// store's iterate line as the node is renewed, and its change is taken there
// too: the maximum sits beside the chain of divisions instead of costing a
// pass of its own.
double Implicit_Sweep(const Wall& w) {
    const int last = w.n - 1;
    double* const old_t = w.old_t;
    double* const new_t = w.new_t;
    double* const before = w.iterate;
    before[last] = new_t[last];
    before[0] = new_t[0];
    if (!Hold(w.right, old_t[last], new_t[last])) {
        new_t[last] = Implicit_Face(w.right, old_t[last], new_t[last - 1], w.f0, w.g2);
    }
    if (!Hold(w.left, old_t[0], new_t[0])) {
        new_t[0] = Implicit_Face(w.left, old_t[0], new_t[1], w.f0, w.g2);
    }
    double change = 0.0;
    change = std::max(change, std::fabs(new_t[last] - before[last]));
    change = std::max(change, std::fabs(new_t[0] - before[0]));
    // Node i-1 already carries this sweep's value, node i+1 the previous
    // sweep's.
    const double centre = 1.0 + 2.0 * w.f0;
    double carried = new_t[0];
    for (int i = 1; i < last; ++i) {
        const double previous = new_t[i];
        before[i] = previous;
        carried = (old_t[i] + w.f0 * (w.g1 + carried + new_t[i + 1])) / centre;
        new_t[i] = carried;
        change = std::max(change, std::fabs(carried - previous));
    }
    return change;
}

// Counts the sweeps into `sweeps` as it goes (a failed run keeps its count).
void Run_Implicit(const Wall& w, double initial, std::int64_t& sweeps) {
    std::fill(w.new_t, w.new_t + w.n, initial + Start_Offset);
    for (int step = 1; step <= w.m; ++step) {
        double lowest_change = HUGE_VAL;
        int sweeps_without_progress = 0;
        for (;;) {
            ++sweeps;
            const double change = Implicit_Sweep(w);
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
        std::memcpy(w.history->Level(step + 1), w.new_t, w.Bytes());
        std::memcpy(w.old_t, w.new_t, w.Bytes());
    }
}

}  // namespace

void Solve_Transient_1D(Problem_Definition& p, Result_Stores& stores, User_Dialogs& dialogs) {
    Transient_1D_Store& s = stores.Transient_1D;
    Wall w;
    w.n = To_Int16(p.X_Grid);
    w.m = To_Int16(p.Number_Of_Time_Steps);
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    s.Nodes_T1D = w.n;
    s.Time_Steps_T1D = static_cast<std::int16_t>(w.m);
    stores.Delta_Time = p.Time_Step;
    const double bi_r = (p.h_BC_Right * dx) / k;
    const double bi_l = (p.h_BC_Left * dx) / k;
    w.f0 = (p.Diffusivity * p.Time_Step) / std::pow(dx, 2);
    stores.Fourier_Number = w.f0;
    s.Implicit_Sweeps = 0;
    w.g1 = std::pow(dx, 2) * p.Q_generation / k;
    w.g2 = std::pow(dx, 2) * p.Q_generation / (2.0 * k);

    if (p.Explicit_Scheme && !Explicit_Run_Accepted(w.f0, bi_l, bi_r, dialogs)) {
        p.Stability_Message_Flag = 1;
        return;
    }
    for (const Node_Line* line : {&s.Temperature_T1D, &s.New_Temperature_T1D,
                                  &s.Iterate_Temperature_T1D, &s.X_Location_T1D}) {
        Require_Nodes(*line, w.n);
    }
    if (s.Temperature_History_1D.Nodes() != w.n || s.Temperature_History_1D.Levels() < w.m + 1) {
        throw Run_Error("1-D transient history smaller than the run");
    }

    w.left = {p.Left_BC, p.Temp_BC_Left, dx * p.Q_BC_Left / k, bi_l, p.T_Infinity_BC_Left};
    w.right = {p.Right_BC, p.Temp_BC_Right, dx * p.Q_BC_Right / k, bi_r, p.T_Infinity_BC_Right};
    w.old_t = s.Temperature_T1D.Data();
    w.new_t = s.New_Temperature_T1D.Data();
    w.iterate = s.Iterate_Temperature_T1D.Data();
    w.history = &s.Temperature_History_1D;
    double* const x = s.X_Location_T1D.Data();
    for (int i = 0; i < w.n; ++i) {
        x[i] = i * dx;
        w.old_t[i] = p.Initial_Temp;
    }
    if (w.left.kind == BC_Temperature) {
        w.old_t[0] = w.left.temperature;
    }
    if (w.right.kind == BC_Temperature) {
        w.old_t[w.n - 1] = w.right.temperature;
    }
    std::memcpy(s.Temperature_History_1D.Level(1), w.old_t, w.Bytes());
    if (p.Explicit_Scheme) {
        Run_Explicit(w);
    } else {
        Run_Implicit(w, p.Initial_Temp, s.Implicit_Sweeps);
    }
}

}  // namespace calorix
