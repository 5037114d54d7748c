#include "solvers/transient_state_conduction_2d.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/number_text.h"
#include "common/run_error.h"
#include "solvers/diagonal_plane.h"
#include "solvers/side_chains.h"
#include "solvers/wavefront.h"

namespace calorix {

namespace {

constexpr double Tolerance = 0.0001;  // C, interior nodes, implicit scheme
constexpr double Start_Offset = 5.0;  // C above T0 for the first implicit iterate

// Guard against a sweep loop that can never settle.  The implicit node
// equations are strictly diagonally dominant, so every Gauss-Seidel sweep
// shrinks the largest change over all nodes by a factor below one: in exact
// arithmetic that change reaches a new low at every sweep.  When it has not
// done so for this many sweeps, rounding noise is all that is left: the
// temperatures are so large that 0.0001 C is below their resolution in double
// precision.  The run then ends with a run failure instead of hanging.
constexpr int Stall_Sweeps = 1000;

// One side of the plate as its node equations see it.  S is the side's term
// in a corner balance (q*dx/k or Bi*T_inf), C its share of the corner's own
// coefficient (0 or 2*Bi*F).
struct Side_Terms {
    std::int16_t kind = BC_Temperature;
    double temperature = 0;    // kind 1
    double source = 0;         // S
    double source_twice = 0;   // the side equation's 2*q*dx/k or 2*Bi*T_inf
    double cross = 0;          // C
    double explicit_own = 0;   // 1 - 4F - C: weight of the node's own old value
    double implicit_diag = 0;  // 1 + 4F + C: the implicit equation's divisor
};

Side_Terms Make_Side(std::int16_t kind, double t, double q, double t_inf, double bi, double dx,
                     double k, double f) {
    Side_Terms s;
    s.kind = kind;
    s.temperature = t;
    if (kind == BC_Convection) {
        s.source = bi * t_inf;
        s.source_twice = 2.0 * bi * t_inf;
        s.cross = 2.0 * bi * f;
    } else {
        s.source = q * dx / k;
        s.source_twice = 2.0 * q * dx / k;
        s.cross = 0.0;
    }
    s.explicit_own = 1.0 - 4.0 * f - s.cross;
    s.implicit_diag = 1.0 + 4.0 * f + s.cross;
    return s;
}

struct Plate {
    int nx = 0;
    int ny = 0;
    double f = 0;
    double g1 = 0;  // g*dx^2/k
    double g2 = 0;  // g*dx^2/(2k)
    Side_Terms left, right, top, bottom;
    // Element of node (i, j) in a plane (column-major in j).
    std::size_t At(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ny) +
               static_cast<std::size_t>(j - 1);
    }
};

// Half-cell balance of a side node between its corners: n_in one step into
// the plate, n_a and n_b its neighbours along the side, own its old value.
template <bool Implicit>
inline double Side_Node(const Plate& g, const Side_Terms& s, double n_in, double n_a, double n_b,
                        double own) {
    const double sum = g.f * (2.0 * n_in + n_a + n_b + s.source_twice + g.g1);
    if constexpr (Implicit) {
        return (sum + own) / s.implicit_diag;
    } else {
        return sum + s.explicit_own * own;
    }
}

// Corner set by the horizontal side h (kind 2 or 3) against the vertical side
// v: a kind-1 vertical side imposes its temperature, otherwise the
// quarter-cell balance with the corner's neighbours n1, n2 along the sides.
template <bool Implicit>
inline double Corner_Node(const Plate& g, const Side_Terms& h, const Side_Terms& v, double n1,
                          double n2, double own) {
    if (v.kind == BC_Temperature) {
        return v.temperature;
    }
    const double sum = 2.0 * g.f * (n1 + n2 + h.source + v.source + g.g2);
    if constexpr (Implicit) {
        return (sum + own) / (1.0 + 4.0 * g.f + h.cross + v.cross);
    } else {
        return sum + (1.0 - 4.0 * g.f - h.cross - v.cross) * own;
    }
}

// Node (i, j) of a plane laid out column by column, as the history is.
struct Columns {
    double* p;
    int ny;
    double& operator()(int i, int j) const {
        return p[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ny) +
                 static_cast<std::size_t>(j - 1)];
    }
};

// The plain order is: the bottom and top rows (corners first, then left to
// right), then the left and right columns; a kind-1 left or right side is
// written over its whole column, so it owns its corners.  Explicit: every
// neighbour comes from the old level.  Implicit: neighbours come from the
// plane being iterated, updated in place, and only the node's own term from
// the old level.
template <bool Implicit, typename Old, typename Next>
void Boundary_Nodes(const Plate& g, const Old& old_level, Next& next) {
    auto nb = [&](int i, int j) -> double {
        if constexpr (Implicit) {
            return next(i, j);
        } else {
            return old_level(i, j);
        }
    };
    const int nx = g.nx;
    const int ny = g.ny;
    auto row_node = [&](const Side_Terms& h, int i, int j, int j_in) {
        next(i, j) =
            Side_Node<Implicit>(g, h, nb(i, j_in), nb(i + 1, j), nb(i - 1, j), old_level(i, j));
    };
    auto column_node = [&](const Side_Terms& v, int i, int j, int i_in) {
        next(i, j) =
            Side_Node<Implicit>(g, v, nb(i_in, j), nb(i, j + 1), nb(i, j - 1), old_level(i, j));
    };
    Side_Ends(
        nx, ny, g.bottom, g.top, g.left, g.right, [&](int i, int j, double v) { next(i, j) = v; },
        [&](const Side_Terms& h, int j, int j_in) {
            next(1, j) =
                Corner_Node<Implicit>(g, h, g.left, nb(2, j), nb(1, j_in), old_level(1, j));
            next(nx, j) =
                Corner_Node<Implicit>(g, h, g.right, nb(nx - 1, j), nb(nx, j_in), old_level(nx, j));
        });
    Walk_Side_Chains(nx, ny, g.bottom, g.top, g.left, g.right, row_node, column_node);
}

// One explicit step from old_level to next.
void Explicit_Step(const Plate& g, const double* old_level, double* next) {
    Columns out{next, g.ny};
    Boundary_Nodes<false>(g, Columns{const_cast<double*>(old_level), g.ny}, out);
    const int ny = g.ny;
    const double f = g.f;
    const double g1 = g.g1;
    const double own = 1.0 - 4.0 * f;
    for (int i = 2; i <= g.nx - 1; ++i) {
        const double* __restrict west = old_level + g.At(i - 1, 1);
        const double* __restrict c = old_level + g.At(i, 1);
        const double* __restrict east = old_level + g.At(i + 1, 1);
        double* __restrict t = next + g.At(i, 1);
        for (int j = 1; j < ny - 1; ++j) {
            t[j] = f * (west[j] + east[j] + c[j + 1] + c[j - 1] + g1) + own * c[j];
        }
    }
}

// The side and corner nodes, every one once: rows 1 and Ny, then columns 1
// and Nx between them.
template <typename Visit>
void For_Each_Boundary_Node(int nx, int ny, Visit visit) {
    for (int i = 1; i <= nx; ++i) {
        visit(i, 1);
        visit(i, ny);
    }
    for (int j = 2; j < ny; ++j) {
        visit(1, j);
        visit(nx, j);
    }
}

// Largest change of a boundary node in this sweep against `before`, its
// values at the start of the sweep in the order of For_Each_Boundary_Node
// (the interior nodes are measured while they are updated).
double Boundary_Change(const Diagonal_Plane& next, const std::vector<double>& before) {
    double change = 0.0;
    std::size_t k = 0;
    For_Each_Boundary_Node(next.Nx(), next.Ny(), [&](int i, int j) {
        change = std::max(change, std::fabs(next(i, j) - before[k++]));
    });
    return change;
}

bool Matches(const Node_Plane& plane, int nx, int ny) {
    return plane.Nx() == nx && plane.Ny() == ny;
}

// Each level n is computed straight into its place in the history from level
// n-1 there, which saves copying every level through the working planes.
void Run_Explicit(const Plate& g, Level_Planes& history, int nt) {
    for (int n = 1; n <= nt; ++n) {
        Explicit_Step(g, history.Level(n - 1), history.Level(n));
        // An unstable run the user let go on grows without bound; stop at the
        // first overflow rather than after the last step.
        Check_Float_Faults();
    }
}

// The implicit levels: Gauss-Seidel sweeps until no interior node moves by
// more than the tolerance.  The first iterate of level 1 is `first`
// everywhere; every later level starts from the previous one.  The sweeps run
// on planes laid out by anti-diagonals (solvers/wavefront.h); each level is
// written to the history when it is final.  Sweeps are counted into `sweeps`
// as they go.
void Run_Implicit(const Plate& g, Level_Planes& history, int nt, double first,
                  std::int64_t& sweeps) {
    Diagonal_Plane old_level;
    Diagonal_Plane next;
    old_level.Dimension(g.nx, g.ny);
    next.Dimension(g.nx, g.ny);
    old_level.Load(history.Level(0));
    next.Fill(first);
    std::vector<double> before;
    const wavefront::Implicit_Sweep interior{
        next.Data(), old_level.Data(), next.Origins(), g.nx, g.ny, g.f,
        g.g1,        1.0 + 4.0 * g.f,  Tolerance};
    for (int n = 1; n <= nt; ++n) {
        double lowest_change = HUGE_VAL;
        int sweeps_without_progress = 0;
        for (;;) {
            ++sweeps;
            before.clear();
            For_Each_Boundary_Node(g.nx, g.ny, [&](int i, int j) { before.push_back(next(i, j)); });
            Boundary_Nodes<true>(g, old_level, next);
            const wavefront::Implicit_Change c = wavefront::Sweep(interior);
            Check_Float_Faults();
            // Only the interior nodes decide that the level is final.
            if (c.settled) {
                break;
            }
            const double change = std::max(c.largest, Boundary_Change(next, before));
            if (change < lowest_change) {
                lowest_change = change;
                sweeps_without_progress = 0;
            } else if (++sweeps_without_progress == Stall_Sweeps) {
                throw Run_Error("implicit time step cannot reach the tolerance");
            }
        }
        next.Store(history.Level(n));
        std::copy(next.Data(), next.Data() + next.Size(), old_level.Data());
    }
}

Plate Plate_Of(const Problem_Definition& p, const Transient_2D_Store& s, double f) {
    const double k = p.Conductivity;
    const double dx = p.Grid_Size / 100.0;
    Plate g;
    g.nx = To_Int16(p.X_Grid);
    g.ny = p.Y_Grid;
    g.f = f;
    g.g1 = p.Q_generation * std::pow(dx, 2) / k;
    g.g2 = p.Q_generation * std::pow(dx, 2) / (2.0 * k);
    g.left = Make_Side(p.Left_BC, p.Temp_BC_Left, p.Q_BC_Left, p.T_Infinity_BC_Left, s.Bi_Left, dx,
                       k, f);
    g.right = Make_Side(p.Right_BC, p.Temp_BC_Right, p.Q_BC_Right, p.T_Infinity_BC_Right,
                        s.Bi_Right, dx, k, f);
    g.top = Make_Side(p.Top_BC, p.Temp_BC_Top, p.Q_BC_Top, p.T_Infinity_BC_Top, s.Bi_Top, dx, k, f);
    g.bottom = Make_Side(p.Bottom_BC, p.Temp_BC_Bottom, p.Q_BC_Bottom, p.T_Infinity_BC_Bottom,
                         s.Bi_Bottom, dx, k, f);
    return g;
}

}  // namespace

void Check_Stability_2D(Problem_Definition& p, const Result_Stores& stores, User_Dialogs& dialogs) {
    const Transient_2D_Store& s = stores.Transient_2D;
    const double f = stores.Fourier_Number;
    // Each value is the sum of the weights taken away from a node's own old
    // temperature in one explicit equation: interior, a convection side, a
    // corner between two convection sides.  Above 1 that weight is negative.
    const double interior = 4.0 * f;
    const double left = 2.0 * s.Bi_Left * f;
    const double right = 2.0 * s.Bi_Right * f;
    const double top = 2.0 * s.Bi_Top * f;
    const double bottom = 2.0 * s.Bi_Bottom * f;
    struct Condition {
        double value;
        const char* text;
    };
    const Condition conditions[] = {
        {interior,
         "Stability condition violated.... 4 x F0 must be less than or equal to 1... Do you "
         "want to proceed ?"},
        {interior + left,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Left x F0 must be less than or equal "
         "to 1... Do you want to proceed ? "},
        {interior + right,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Right x F0 must be less than or "
         "equal to 1... Do you want to proceed ?"},
        {interior + bottom,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Bottom x F0 must be less than or "
         "equal to 1... Do you want to proceed ?"},
        {interior + right + bottom,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Right x F0 + 2 x Bi_Bottom x F0 must "
         "be less than or equal to 1... Do you want to proceed ?"},
        {interior + left + bottom,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Left x F0 + 2 x Bi_Bottom x F0 must "
         "be less than or equal to 1... Do you want to proceed ?"},
        {interior + top,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Top x F0 must be less than or equal "
         "to 1... Do you want to proceed ?"},
        {interior + right + top,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Right x F0 + 2 x Bi_Top x F0 must be "
         "less than or equal to 1... Do you want to proceed ?"},
        {interior + left + top,
         "Stability condition violated.... 4 x F0 + 2 x Bi_Left x F0 + 2 x Bi_Top x F0 must be "
         "less than or equal to 1... Do you want to proceed ?"},
    };
    for (const Condition& c : conditions) {
        if (c.value > 1.0) {
            if (!dialogs.Ask_Yes_No(c.text, true)) {
                p.Stability_Message_Flag = 1;
            }
            return;
        }
    }
}

void Solve_Transient_2D(Problem_Definition& p, Result_Stores& stores, User_Dialogs& dialogs) {
    Transient_2D_Store& s = stores.Transient_2D;
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    const int nt = To_Int16(p.Number_Of_Time_Steps);
    s.X_Nodes_T2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_T2D = static_cast<std::int16_t>(ny);
    stores.Delta_Time = p.Time_Step;
    s.Time_Steps_T2D = static_cast<std::int16_t>(nt);

    const double k = p.Conductivity;
    const double dx = p.Grid_Size / 100.0;
    s.Bi_Bottom = p.h_BC_Bottom * dx / k;
    s.Bi_Right = p.h_BC_Right * dx / k;
    s.Bi_Top = p.h_BC_Top * dx / k;
    s.Bi_Left = p.h_BC_Left * dx / k;
    const double f = p.Diffusivity * p.Time_Step / std::pow(dx, 2);
    stores.Fourier_Number = f;
    s.Table_Ready_T2D = 0;
    s.Implicit_Sweeps = 0;

    if (p.Explicit_Scheme) {
        Check_Stability_2D(p, stores, dialogs);
    }
    if (p.Stability_Message_Flag == 1) {
        return;
    }

    Level_Planes& history = s.Temperature_History_2D;
    if (!Matches(s.Temperature_T2D, nx, ny) || !Matches(s.New_Temperature_T2D, nx, ny) ||
        !Matches(s.Iterate_Temperature_T2D, nx, ny) || history.Nx() != nx || history.Ny() != ny ||
        history.Levels() < nt + 1 || s.Location_T2D.Count() < std::max(nx, ny)) {
        throw Run_Error("2-D transient store smaller than the run");
    }

    const Plate g = Plate_Of(p, s, f);

    // Initial field.  Kind-1 sides hold T0 too at level 0; they take their
    // side temperature from level 1 on.
    const std::size_t plane = s.Temperature_T2D.Size();
    const std::size_t bytes = plane * sizeof(double);
    double* const t = s.Temperature_T2D.Data();
    double* const t_new = s.New_Temperature_T2D.Data();
    std::fill(t, t + plane, p.Initial_Temp);
    std::fill(history.Level(0), history.Level(0) + plane, p.Initial_Temp);
    for (int m = 1; m <= std::max(nx, ny); ++m) {
        s.Location_T2D(m) = (m - 1) * dx;
    }
    if (p.Explicit_Scheme) {
        Run_Explicit(g, history, nt);
    } else {
        Run_Implicit(g, history, nt, p.Initial_Temp + Start_Offset, s.Implicit_Sweeps);
    }
    // Both working planes receive the last level.
    std::memcpy(t, history.Level(nt), bytes);
    std::memcpy(t_new, history.Level(nt), bytes);
}

}  // namespace calorix
