#include "solvers/steady_state_conduction_1d.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <vector>

#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {

constexpr double Tolerance = 1e-6;
constexpr int Max_Sweeps = 32767;  // the sweep counter is a 16-bit integer
constexpr int Fault_Flags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

// Sweeps in flight.  Sweep k of the wall needs node i - 1 of its own and node
// i + 1 of sweep k - 1, so sweep k can follow sweep k - 1 two nodes behind.
// Each sweep alone is one long chain (every node waits for its western
// neighbour through two additions and a halving); several sweeps in flight
// are independent chains that overlap.  Every sweep writes a line of its own,
// so a sweep that turns out final is kept as it is while the sweeps behind it
// are thrown away: the result, the sweep count and the stopping decision are
// those of the plain sweep (reference::Steady_Sweep_1D).
constexpr int In_Flight = 8;

struct Wall {
    const Problem_Definition* p;
    int n;
    double dx, k, bi_l, bi_r;
    double generation;  // dx^2 g / k
};

// A face node from its own value and its one neighbour in the previous sweep:
// no share of the generation, one conduction step dx to the neighbour.
double Face(std::int16_t kind, double own, double neighbour, double t, double q, double t_inf,
            double bi, const Wall& w) {
    switch (kind) {
        case BC_Temperature:
            return t;
        case BC_Flux:
            return (w.dx * q) / w.k + neighbour;
        case BC_Convection:
            return (t_inf * bi + neighbour) / (bi + 1.0);
        default:
            return own;
    }
}

// Lines 0..count of a batch: line 0 holds the field before the batch, line k
// the field after its sweep k; node i is element i.
struct Batch {
    std::array<double*, In_Flight + 1> line{};
    std::array<bool, In_Flight + 1> settled{};
    int count = 0;
};

// Sweep k at node i (1 = the left face; n - 1 brings the right face first).
inline void Slot(const Wall& w, Batch& b, int k, int i) {
    const double* before = b.line[static_cast<std::size_t>(k - 1)];
    double* t = b.line[static_cast<std::size_t>(k)];
    const Problem_Definition& p = *w.p;
    const int n = w.n;
    if (i == 1) {
        t[1] = Face(p.Left_BC, before[1], before[2], p.Temp_BC_Left, p.Q_BC_Left,
                    p.T_Infinity_BC_Left, w.bi_l, w);
        return;
    }
    double east = before[i + 1];
    if (i == n - 1) {
        t[n] = Face(p.Right_BC, before[n], before[n - 1], p.Temp_BC_Right, p.Q_BC_Right,
                    p.T_Infinity_BC_Right, w.bi_r, w);
        east = t[n];
    }
    const double v = (w.generation + (t[i - 1] + east)) / 2.0;
    t[i] = v;
    b.settled[static_cast<std::size_t>(k)] =
        b.settled[static_cast<std::size_t>(k)] && std::fabs(v - before[i]) <= Tolerance;
}

// Every sweep of the batch in flight at the interior nodes 2..n-2: sweep k at
// node step - 2 (k - 1).  The western neighbours stay in registers.
void Full_Flight(const Wall& w, Batch& b, int first_step, int last_step) {
    double west[In_Flight + 1];
    bool settled[In_Flight + 1];
    for (int k = 1; k <= In_Flight; ++k) {
        west[k] = b.line[static_cast<std::size_t>(k)][first_step - 2 * (k - 1) - 1];
        settled[k] = b.settled[static_cast<std::size_t>(k)];
    }
    const double generation = w.generation;
    for (int step = first_step; step <= last_step; ++step) {
#pragma GCC unroll 8
        for (int k = 1; k <= In_Flight; ++k) {
            const int i = step - 2 * (k - 1);
            const double* before = b.line[static_cast<std::size_t>(k - 1)];
            const double v = (generation + (west[k] + before[i + 1])) / 2.0;
            b.line[static_cast<std::size_t>(k)][i] = v;
            settled[k] = settled[k] & (std::fabs(v - before[i]) <= Tolerance);
            west[k] = v;
        }
    }
    for (int k = 1; k <= In_Flight; ++k) {
        b.settled[static_cast<std::size_t>(k)] = settled[k];
    }
}

// Runs the sweeps of the batch; returns the first final one, 0 if none.
int Run_Batch(const Wall& w, Batch& b) {
    const int n = w.n;
    std::fill(b.settled.begin(), b.settled.end(), true);
    const int last_step = n - 1 + 2 * (b.count - 1);
    const int full_first = 2 * In_Flight;  // every sweep past its left face
    const int full_last = n - 2;           // none yet at its right face
    for (int step = 1; step <= last_step; ++step) {
        if (b.count == In_Flight && step == full_first && full_first <= full_last) {
            Full_Flight(w, b, full_first, full_last);
            step = full_last;
            continue;
        }
        for (int k = 1; k <= b.count; ++k) {
            const int i = step - 2 * (k - 1);
            if (i >= 1 && i <= n - 1) {
                Slot(w, b, k, i);
            }
        }
    }
    for (int k = 1; k <= b.count; ++k) {
        if (b.settled[static_cast<std::size_t>(k)]) {
            return k;
        }
    }
    return 0;
}

// The same sweeps one after the other, stopping at the first final one.
int Run_Batch_In_Turn(const Wall& w, Batch& b) {
    std::fill(b.settled.begin(), b.settled.end(), true);
    for (int k = 1; k <= b.count; ++k) {
        for (int i = 1; i <= w.n - 1; ++i) {
            Slot(w, b, k, i);
        }
        if (b.settled[static_cast<std::size_t>(k)]) {
            return k;
        }
    }
    return 0;
}

// Sweeps until one is final; returns the line that holds it.  s.Sweeps counts
// the sweeps as the plain solver counts them.
const double* Sweep_Until_Final(const Wall& w, std::vector<double>& lines, Steady_1D_Store& s) {
    const std::size_t size = static_cast<std::size_t>(w.n) + 1;
    Batch b;
    for (std::size_t k = 0; k <= In_Flight; ++k) {
        b.line[k] = lines.data() + k * size;
    }
    for (;;) {
        b.count = std::min(In_Flight, Max_Sweeps - s.Sweeps);
        if (b.count == 0) {
            throw Run_Error("no convergence within 32767 sweeps");
        }
        // Sweeps behind the final one must not leave an overflow or invalid
        // flag that the plain solver would not have raised: when they may
        // have, the batch is run again one sweep after the other.
        std::fexcept_t flags;
        std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
        const bool clean = std::fetestexcept(Fault_Flags) == 0;
        int final = Run_Batch(w, b);
        if (final != 0 && final < b.count && clean && std::fetestexcept(Fault_Flags) != 0) {
            std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
            final = Run_Batch_In_Turn(w, b);
        }
        s.Sweeps += final != 0 ? final : b.count;
        if (final != 0) {
            return b.line[static_cast<std::size_t>(final)];
        }
        std::swap(b.line[0], b.line[static_cast<std::size_t>(b.count)]);
        if (s.Sweeps == Max_Sweeps) {
            std::copy(b.line[0] + 1, b.line[0] + 1 + w.n, s.Temperature_1D.Data());
        }
    }
}

}  // namespace

void Solve_Steady_State_1D(const Problem_Definition& p, Steady_1D_Store& s) {
    const int n = To_Int16(p.X_Grid);
    s.Nodes_1D = static_cast<std::int16_t>(n);
    Wall w{&p, n, p.Grid_Size / 100.0, p.Conductivity, 0, 0, 0};
    w.bi_l = (p.h_BC_Left * w.dx) / w.k;
    w.bi_r = (p.h_BC_Right * w.dx) / w.k;
    w.generation = (w.dx * w.dx * p.Q_generation) / w.k;
    double* x = s.X_Location_1D.Data();
    for (int i = 0; i < n; ++i) {
        s.Old_Temperature_1D.Data()[i] = p.Guess_Temp;
        x[i] = i * w.dx;
    }
    std::vector<double> lines((In_Flight + 1) * (static_cast<std::size_t>(n) + 1), p.Guess_Temp);
    s.Sweeps = 0;
    const double* result = Sweep_Until_Final(w, lines, s);
    double* t = s.Temperature_1D.Data();  // t[i-1] is node i
    std::copy(result + 1, result + 1 + n, t);
    s.Unclamped_1D.assign(t, t + n);
    // Results below 0.01 C, negative ones included, are reported as 0.
    for (int i = 0; i < n; ++i) {
        if (t[i] < 0.01) {
            t[i] = 0.0;
        }
    }
}

}  // namespace calorix
