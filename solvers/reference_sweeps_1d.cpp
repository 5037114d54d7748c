#include "solvers/reference_sweeps.h"

#include <cmath>

#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix::reference {

namespace {

constexpr double Steady_Tolerance = 1e-6;     // C, steady kinds
constexpr double Transient_Tolerance = 1e-4;  // C, implicit schemes
constexpr int Max_Sweeps = 32767;             // the steady sweep counter is 16-bit
constexpr double Start_Offset = 5.0;          // first implicit iterate: T0 + 5 C

// ---- The wall ----------------------------------------------------------------
//
// Interior node i of a wall with uniform generation g, steady: the heat that
// node i's cell (width dx) takes from its two neighbours, k (T(i-1) - T(i))/dx
// + k (T(i+1) - T(i))/dx, plus g dx is zero, so
//     T(i) = (dx^2 g / k + (T(i-1) + T(i+1))) / 2.
// A face node has no cell of its own in the steady wall: a flux face passes q
// across one step dx to its neighbour, T(1) = dx q / k + T(2), and a
// convection face balances the film against that step,
// h (T_inf - T(1)) = k (T(1) - T(2)) / dx, so with Bi = h dx / k
//     T(1) = (T_inf Bi + T(2)) / (Bi + 1).

// One face of the steady wall, from its one neighbour (still the previous
// sweep's value).
double Steady_Face_1D(std::int16_t kind, double own, double neighbour, double t, double q, double h,
                      double t_inf, double dx, double k) {
    const double bi = (h * dx) / k;
    switch (kind) {
        case BC_Temperature:
            return t;
        case BC_Flux:
            return (dx * q) / k + neighbour;
        case BC_Convection:
            return (t_inf * bi + neighbour) / (bi + 1.0);
        default:
            return own;  // an unknown kind leaves the node as it is
    }
}

// The transient wall gives each face node the half cell of width dx/2 next
// to it.  Its heat content rho c (dx/2) T changes by the conduction from the
// neighbour, k (N - T)/dx, the flux q (or the film h (T_inf - T)) and the
// generation g dx/2.  Times 2 dt / (rho c dx) that is, with F0 = a dt / dx^2
// and G2 = dx^2 g / (2k),
//     T' - T = 2 F0 (N - T + dx q / k + G2)        (flux face)
//     T' - T = 2 F0 (N - T + Bi (T_inf - T) + G2)  (convection face).
// The explicit scheme takes every right-hand value at the old level; the
// implicit one takes T' for the node and the current iterate of N.
struct Face_1D {
    std::int16_t kind;
    double temperature;
    double flux_term;  // dx q / k
    double biot;       // h dx / k
    double t_infinity;
};

struct Wall_Numbers {
    int n;
    double f0, g1, g2;  // F0, G1 = dx^2 g / k, G2 = dx^2 g / (2k)
    Face_1D left, right;
};

Wall_Numbers Wall_Of(const Problem_Definition& p) {
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    Wall_Numbers w;
    w.n = To_Int16(p.X_Grid);
    w.f0 = (p.Diffusivity * p.Time_Step) / std::pow(dx, 2);
    w.g1 = std::pow(dx, 2) * p.Q_generation / k;
    w.g2 = std::pow(dx, 2) * p.Q_generation / (2.0 * k);
    w.left = {p.Left_BC, p.Temp_BC_Left, dx * p.Q_BC_Left / k, (p.h_BC_Left * dx) / k,
              p.T_Infinity_BC_Left};
    w.right = {p.Right_BC, p.Temp_BC_Right, dx * p.Q_BC_Right / k, (p.h_BC_Right * dx) / k,
               p.T_Infinity_BC_Right};
    return w;
}

double Explicit_Face_1D(const Face_1D& f, double own, double neighbour, double f0, double g2) {
    if (f.kind == BC_Flux) {
        return (1.0 - 2.0 * f0) * own + 2.0 * f0 * (neighbour + f.flux_term + g2);
    }
    return (1.0 - 2.0 * f0 - 2.0 * f.biot * f0) * own +
           2.0 * f0 * (g2 + f.t_infinity * f.biot + neighbour);
}

double Implicit_Face_1D(const Face_1D& f, double own, double neighbour, double f0, double g2) {
    if (f.kind == BC_Flux) {
        return (own + 2.0 * f0 * (g2 + neighbour + f.flux_term)) / (1.0 + 2.0 * f0);
    }
    return (own + 2.0 * f0 * (g2 + f.t_infinity * f.biot + neighbour)) /
           (2.0 * f0 * f.biot + 1.0 + 2.0 * f0);
}

// A held face carries its temperature on both levels; false for the other
// kinds, whose face equation the caller applies.
bool Hold_Face_1D(const Face_1D& f, double& old_value, double& new_value) {
    if (f.kind != BC_Temperature) {
        return false;
    }
    old_value = f.temperature;
    new_value = f.temperature;
    return true;
}

}  // namespace

bool Steady_Sweep_1D(const Problem_Definition& p, Node_Line& t, Node_Line& t_old) {
    const int n = To_Int16(p.X_Grid);
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    const double generation = (dx * dx * p.Q_generation) / k;
    t(1) = Steady_Face_1D(p.Left_BC, t(1), t(2), p.Temp_BC_Left, p.Q_BC_Left, p.h_BC_Left,
                          p.T_Infinity_BC_Left, dx, k);
    t(n) = Steady_Face_1D(p.Right_BC, t(n), t(n - 1), p.Temp_BC_Right, p.Q_BC_Right, p.h_BC_Right,
                          p.T_Infinity_BC_Right, dx, k);
    for (int i = 2; i <= n - 1; ++i) {
        t(i) = (generation + (t(i - 1) + t(i + 1))) / 2.0;
    }
    bool final = true;
    for (int i = 2; i <= n - 1; ++i) {
        if (!(std::fabs(t(i) - t_old(i)) <= Steady_Tolerance)) {
            final = false;
        }
    }
    if (!final) {
        for (int i = 2; i <= n - 1; ++i) {
            t_old(i) = t(i);
        }
    }
    return final;
}

void Solve_Steady_1D(const Problem_Definition& p, Steady_1D_Store& s) {
    const int n = To_Int16(p.X_Grid);
    s.Nodes_1D = static_cast<std::int16_t>(n);
    const double dx = p.Grid_Size / 100.0;
    for (int i = 1; i <= n; ++i) {
        s.Old_Temperature_1D(i) = p.Guess_Temp;
        s.Temperature_1D(i) = p.Guess_Temp;
        s.X_Location_1D(i) = (i - 1) * dx;
    }
    for (s.Sweeps = 1;; ++s.Sweeps) {
        if (Steady_Sweep_1D(p, s.Temperature_1D, s.Old_Temperature_1D)) {
            break;
        }
        if (s.Sweeps == Max_Sweeps) {
            throw Run_Error("no convergence within 32767 sweeps");
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (s.Temperature_1D(i) < 0.01) {
            s.Temperature_1D(i) = 0.0;
        }
    }
}

void Explicit_Step_1D(const Problem_Definition& p, Node_Line& old_t, Node_Line& new_t) {
    const Wall_Numbers w = Wall_Of(p);
    const int n = w.n;
    // Right face, left face, interior: each reads the old level only.
    if (!Hold_Face_1D(w.right, old_t(n), new_t(n))) {
        new_t(n) = Explicit_Face_1D(w.right, old_t(n), old_t(n - 1), w.f0, w.g2);
    }
    if (!Hold_Face_1D(w.left, old_t(1), new_t(1))) {
        new_t(1) = Explicit_Face_1D(w.left, old_t(1), old_t(2), w.f0, w.g2);
    }
    // Interior cell of width dx: rho c dx (T' - T)/dt = k (T(i-1) - 2T + T(i+1))/dx + g dx,
    // so T' = (1 - 2 F0) T + F0 (G1 + T(i+1) + T(i-1)).
    for (int i = 2; i <= n - 1; ++i) {
        new_t(i) = (1.0 - 2.0 * w.f0) * old_t(i) + w.f0 * (w.g1 + old_t(i + 1) + old_t(i - 1));
    }
}

bool Implicit_Sweep_1D(const Problem_Definition& p, Node_Line& old_t, Node_Line& new_t,
                       Node_Line& iterate) {
    const Wall_Numbers w = Wall_Of(p);
    const int n = w.n;
    for (int i = 1; i <= n; ++i) {
        iterate(i) = new_t(i);
    }
    if (!Hold_Face_1D(w.right, old_t(n), new_t(n))) {
        new_t(n) = Implicit_Face_1D(w.right, old_t(n), new_t(n - 1), w.f0, w.g2);
    }
    if (!Hold_Face_1D(w.left, old_t(1), new_t(1))) {
        new_t(1) = Implicit_Face_1D(w.left, old_t(1), new_t(2), w.f0, w.g2);
    }
    // The interior balance with T' on the right: T' (1 + 2 F0) = T + F0 (G1 + T'(i-1) + T'(i+1)),
    // node i-1 already this sweep's, node i+1 the previous sweep's.
    for (int i = 2; i <= n - 1; ++i) {
        new_t(i) = (old_t(i) + w.f0 * (w.g1 + new_t(i - 1) + new_t(i + 1))) / (1.0 + 2.0 * w.f0);
    }
    for (int i = 1; i <= n; ++i) {
        if (!(std::fabs(new_t(i) - iterate(i)) <= Transient_Tolerance)) {
            return false;
        }
    }
    return true;
}

void Solve_Transient_1D(const Problem_Definition& p, Transient_1D_Store& s) {
    const Wall_Numbers w = Wall_Of(p);
    const int n = w.n;
    const int m = To_Int16(p.Number_Of_Time_Steps);
    const double dx = p.Grid_Size / 100.0;
    for (int i = 1; i <= n; ++i) {
        s.X_Location_T1D(i) = (i - 1) * dx;
        s.Temperature_T1D(i) = p.Initial_Temp;
    }
    if (w.left.kind == BC_Temperature) {
        s.Temperature_T1D(1) = w.left.temperature;
    }
    if (w.right.kind == BC_Temperature) {
        s.Temperature_T1D(n) = w.right.temperature;
    }
    auto store = [&](int level, const Node_Line& line) {
        for (int i = 1; i <= n; ++i) {
            s.Temperature_History_1D(level, i) = line(i);
        }
    };
    store(1, s.Temperature_T1D);
    s.Implicit_Sweeps = 0;
    if (!p.Explicit_Scheme) {
        for (int i = 1; i <= n; ++i) {
            s.New_Temperature_T1D(i) = p.Initial_Temp + Start_Offset;
        }
    }
    for (int step = 1; step <= m; ++step) {
        if (p.Explicit_Scheme) {
            Explicit_Step_1D(p, s.Temperature_T1D, s.New_Temperature_T1D);
        } else {
            do {
                ++s.Implicit_Sweeps;
            } while (!Implicit_Sweep_1D(p, s.Temperature_T1D, s.New_Temperature_T1D,
                                        s.Iterate_Temperature_T1D));
        }
        store(step + 1, s.New_Temperature_T1D);
        for (int i = 1; i <= n; ++i) {
            s.Temperature_T1D(i) = s.New_Temperature_T1D(i);
        }
    }
}

}  // namespace calorix::reference
