#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/run_error.h"
#include "solvers/reference_sweeps.h"

namespace calorix::reference {

namespace {

constexpr double Steady_Tolerance = 1e-6;     // C
constexpr double Transient_Tolerance = 1e-4;  // C, interior nodes only
constexpr int Max_Sweeps = 32767;             // the sweep counter is 16-bit
constexpr double Start_Offset = 5.0;          // first implicit iterate: T0 + 5 C

// ---- Where the plate's equations come from ------------------------------------
//
// Node (i, j) stands for the cell of size dx x dx around it (j = 1 is the top
// edge).  Conduction from a neighbour across a cell face of length l is
// k l (T_nb - T) / dx, generation adds g times the cell's area.
//
// Interior node, full cell: k (sum of the four T_nb - 4 T) + g dx^2 = 0, so
//     T = (T(i+1,j) + T(i-1,j) + T(i,j+1) + T(i,j-1) + G1) / 4,  G1 = dx^2 g / k.
//
// Edge node, half cell dx x dx/2: the inward neighbour N_in faces it across a
// full length dx, the two neighbours N_a, N_b along the edge across half a
// length each, the edge takes q dx (or h dx (T_inf - T)), and the half cell
// generates g dx^2 / 2.  Times 2/k:
//     2 (N_in - T) + (N_a - T) + (N_b - T) + 2 q dx / k + G1 = 0.
// That is where 2 N_in comes from, and with convection 2 Bi (T_inf - T)
// moves 2 Bi into the divisor:
//     T = (2 N_in + N_a + N_b + 2 q dx / k + G1) / 4
//     T = (2 N_in + N_a + N_b + 2 Bi T_inf + G1) / (2 Bi + 4).
//
// Corner node, quarter cell dx/2 x dx/2: two neighbours N_1, N_2, each across
// half a length; each of its two edges over half a length; generation
// g dx^2 / 4.  Times 2/k:
//     (N_1 - T) + (N_2 - T) + S_h + S_v - (B_h + B_v) T + G2 = 0,
// with G2 = dx^2 g / (2k), S = q dx / k and B = 0 on a flux edge, S = Bi T_inf
// and B = Bi on a convection edge.  So
//     T = (N_1 + N_2 + S_h + S_v + G2) / (2 + B_h + B_v):
// a top-right corner between two convection edges divides by 2 + Bi_T + Bi_R.
//
// Transient: the cell's heat content rho c A T changes by the same sum each
// dt.  Times dt / (rho c A) with F = a dt / dx^2 the interior gains
// F (sum of T_nb - 4 T + G1), an edge node F (2 N_in + N_a + N_b - 4 T + ...),
// a corner 2F (N_1 + N_2 - 2 T + ...), its area being a quarter.  The explicit
// scheme evaluates the right side at the old level, which leaves the node's
// own weight 1 - 4F (- 2 Bi F per convection edge); the implicit scheme at the
// new level, which moves 4F (+ 2 Bi F) to the divisor beside the 1.

// A steady edge as its nodes see it.
struct Steady_Edge {
    std::int16_t kind;
    double temperature;  // kind 1
    double source;       // S: q dx / k (kind 2) or Bi T_inf (kind 3)
    double biot;         // B: 0 (kind 2) or Bi (kind 3)
};

Steady_Edge Steady_Edge_Of(std::int16_t kind, double t, double q, double h, double t_inf, double dx,
                           double k) {
    const double bi = (h * dx) / k;
    if (kind == BC_Flux) {
        return {kind, t, q * dx / k, 0.0};
    }
    return {kind, t, bi * t_inf, bi};
}

// A transient side: S and its double, and C = 2 Bi F, its share of a node's
// own weight.
struct Side {
    std::int16_t kind;
    double temperature;
    double source, source_twice, cross;
};

Side Side_Of(std::int16_t kind, double t, double q, double h, double t_inf, double dx, double k,
             double f) {
    const double bi = h * dx / k;
    if (kind == BC_Convection) {
        return {kind, t, bi * t_inf, 2.0 * bi * t_inf, 2.0 * bi * f};
    }
    return {kind, t, q * dx / k, 2.0 * q * dx / k, 0.0};
}

struct Plate_Numbers {
    int nx, ny;
    double f, g1, g2;
    Side left, right, top, bottom;
};

Plate_Numbers Plate_Of(const Problem_Definition& p) {
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    Plate_Numbers g;
    g.nx = To_Int16(p.X_Grid);
    g.ny = p.Y_Grid;
    g.f = p.Diffusivity * p.Time_Step / std::pow(dx, 2);
    g.g1 = p.Q_generation * std::pow(dx, 2) / k;
    g.g2 = p.Q_generation * std::pow(dx, 2) / (2.0 * k);
    g.left = Side_Of(p.Left_BC, p.Temp_BC_Left, p.Q_BC_Left, p.h_BC_Left, p.T_Infinity_BC_Left, dx,
                     k, g.f);
    g.right = Side_Of(p.Right_BC, p.Temp_BC_Right, p.Q_BC_Right, p.h_BC_Right,
                      p.T_Infinity_BC_Right, dx, k, g.f);
    g.top =
        Side_Of(p.Top_BC, p.Temp_BC_Top, p.Q_BC_Top, p.h_BC_Top, p.T_Infinity_BC_Top, dx, k, g.f);
    g.bottom = Side_Of(p.Bottom_BC, p.Temp_BC_Bottom, p.Q_BC_Bottom, p.h_BC_Bottom,
                       p.T_Infinity_BC_Bottom, dx, k, g.f);
    return g;
}

// The sides and corners of a transient step, in the order bottom, top, left,
// right.  nb holds the neighbours (the old level for the explicit scheme, the
// plane being iterated for the implicit one), own the node's old value.
template <bool Implicit>
void Transient_Boundary(const Plate_Numbers& g, const Node_Plane& own, const Node_Plane& nb,
                        Node_Plane& out) {
    const double f = g.f;
    auto side = [&](const Side& s, double n_in, double n_a, double n_b, double t) {
        const double sum = f * (2.0 * n_in + n_a + n_b + s.source_twice + g.g1);
        if constexpr (Implicit) {
            return (sum + t) / (1.0 + 4.0 * f + s.cross);
        } else {
            return sum + (1.0 - 4.0 * f - s.cross) * t;
        }
    };
    auto corner = [&](const Side& h, const Side& v, double n1, double n2, double t) {
        if (v.kind == BC_Temperature) {
            return v.temperature;  // a held vertical side owns the corner
        }
        const double sum = 2.0 * f * (n1 + n2 + h.source + v.source + g.g2);
        if constexpr (Implicit) {
            return (sum + t) / (1.0 + 4.0 * f + h.cross + v.cross);
        } else {
            return sum + (1.0 - 4.0 * f - h.cross - v.cross) * t;
        }
    };
    const int nx = g.nx;
    const int ny = g.ny;
    auto horizontal = [&](const Side& h, int j, int j_in) {
        for (int i = 1; i <= nx && h.kind == BC_Temperature; ++i) {
            out(i, j) = h.temperature;
        }
        if (h.kind == BC_Temperature) {
            return;
        }
        out(1, j) = corner(h, g.left, nb(2, j), nb(1, j_in), own(1, j));
        out(nx, j) = corner(h, g.right, nb(nx - 1, j), nb(nx, j_in), own(nx, j));
        for (int i = 2; i <= nx - 1; ++i) {
            out(i, j) = side(h, nb(i, j_in), nb(i + 1, j), nb(i - 1, j), own(i, j));
        }
    };
    auto vertical = [&](const Side& v, int i, int i_in) {
        for (int j = 1; j <= ny; ++j) {
            if (v.kind == BC_Temperature) {
                out(i, j) = v.temperature;  // corners included
            } else if (j > 1 && j < ny) {
                out(i, j) = side(v, nb(i_in, j), nb(i, j + 1), nb(i, j - 1), own(i, j));
            }
        }
    };
    horizontal(g.bottom, ny, ny - 1);
    horizontal(g.top, 1, 2);
    vertical(g.left, 1, 2);
    vertical(g.right, nx, nx - 1);
}

}  // namespace

bool Steady_Sweep_2D(const Problem_Definition& p, Node_Plane& T, Node_Plane& T_old) {
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    const double g1 = dx * dx * p.Q_generation / k;
    const double g2 = dx * dx * p.Q_generation / (2.0 * k);
    const Steady_Edge left = Steady_Edge_Of(p.Left_BC, p.Temp_BC_Left, p.Q_BC_Left, p.h_BC_Left,
                                            p.T_Infinity_BC_Left, dx, k);
    const Steady_Edge right = Steady_Edge_Of(p.Right_BC, p.Temp_BC_Right, p.Q_BC_Right,
                                             p.h_BC_Right, p.T_Infinity_BC_Right, dx, k);
    const Steady_Edge top =
        Steady_Edge_Of(p.Top_BC, p.Temp_BC_Top, p.Q_BC_Top, p.h_BC_Top, p.T_Infinity_BC_Top, dx, k);
    const Steady_Edge bottom = Steady_Edge_Of(p.Bottom_BC, p.Temp_BC_Bottom, p.Q_BC_Bottom,
                                              p.h_BC_Bottom, p.T_Infinity_BC_Bottom, dx, k);
    auto edge = [&](const Steady_Edge& e, double n_in, double a, double b) {
        if (e.kind == BC_Flux) {
            return (2.0 * n_in + a + b + 2.0 * e.source + g1) / 4.0;
        }
        return (2.0 * n_in + a + b + 2.0 * e.source + g1) / (2.0 * e.biot + 4.0);
    };
    auto corner = [&](const Steady_Edge& h, const Steady_Edge& v, double n1, double n2) {
        if (v.kind == BC_Temperature) {
            return v.temperature;
        }
        return (n1 + n2 + h.source + v.source + g2) / (2.0 + h.biot + v.biot);
    };
    // A horizontal edge: its two corners, then the nodes between, left to right.
    auto horizontal = [&](const Steady_Edge& e, int j, int j_in) {
        for (int i = 1; i <= nx && e.kind == BC_Temperature; ++i) {
            T(i, j) = e.temperature;
        }
        if (e.kind == BC_Temperature) {
            return;
        }
        T(1, j) = corner(e, left, T(2, j), T(1, j_in));
        T(nx, j) = corner(e, right, T(nx - 1, j), T(nx, j_in));
        for (int i = 2; i <= nx - 1; ++i) {
            T(i, j) = edge(e, T(i, j_in), T(i - 1, j), T(i + 1, j));
        }
    };
    // A vertical edge: a held one takes its corners too.
    auto vertical = [&](const Steady_Edge& e, int i, int i_in) {
        for (int j = 1; j <= ny; ++j) {
            if (e.kind == BC_Temperature) {
                T(i, j) = e.temperature;
            } else if (j > 1 && j < ny) {
                T(i, j) = edge(e, T(i_in, j), T(i, j - 1), T(i, j + 1));
            }
        }
    };
    horizontal(bottom, ny, ny - 1);
    horizontal(top, 1, 2);
    vertical(left, 1, 2);
    vertical(right, nx, nx - 1);
    for (int i = 2; i <= nx - 1; ++i) {
        for (int j = 2; j <= ny - 1; ++j) {
            T(i, j) = (T(i + 1, j) + T(i - 1, j) + T(i, j + 1) + T(i, j - 1) + g1) / 4.0;
        }
    }
    bool final = true;
    for (int i = 2; i <= nx - 1; ++i) {
        for (int j = 2; j <= ny - 1; ++j) {
            if (!(std::fabs(T(i, j) - T_old(i, j)) <= Steady_Tolerance)) {
                final = false;
            }
        }
    }
    for (int i = 2; i <= nx - 1 && !final; ++i) {
        for (int j = 2; j <= ny - 1; ++j) {
            T_old(i, j) = T(i, j);
        }
    }
    return final;
}

void Solve_Steady_2D(const Problem_Definition& p, Steady_2D_Store& s) {
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    s.X_Nodes_2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_2D = static_cast<std::int16_t>(ny);
    const double dx = p.Grid_Size / 100.0;
    for (int m = 1; m <= std::max(nx, ny); ++m) {
        s.Location_2D(m) = (m - 1) * dx;
    }
    s.Sweeps = 0;
    const bool uniform = p.Left_BC == BC_Temperature && p.Right_BC == BC_Temperature &&
                         p.Top_BC == BC_Temperature && p.Bottom_BC == BC_Temperature &&
                         p.Temp_BC_Left == p.Temp_BC_Right && p.Temp_BC_Left == p.Temp_BC_Top &&
                         p.Temp_BC_Left == p.Temp_BC_Bottom && p.Q_generation == 0.0;
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            s.Temperature_2D(i, j) = uniform ? p.Temp_BC_Left : p.Guess_Temp;
            s.Old_Temperature_2D(i, j) = p.Guess_Temp;
        }
    }
    if (uniform) {
        return;
    }
    for (s.Sweeps = 1;; ++s.Sweeps) {
        if (Steady_Sweep_2D(p, s.Temperature_2D, s.Old_Temperature_2D)) {
            return;
        }
        if (s.Sweeps == Max_Sweeps) {
            throw Run_Error("no convergence within 32767 sweeps");
        }
    }
}

void Explicit_Step_2D(const Problem_Definition& p, const Node_Plane& t, Node_Plane& t_new) {
    const Plate_Numbers g = Plate_Of(p);
    Transient_Boundary<false>(g, t, t, t_new);
    for (int i = 2; i <= g.nx - 1; ++i) {
        for (int j = 2; j <= g.ny - 1; ++j) {
            t_new(i, j) = g.f * (t(i - 1, j) + t(i + 1, j) + t(i, j + 1) + t(i, j - 1) + g.g1) +
                          (1.0 - 4.0 * g.f) * t(i, j);
        }
    }
}

bool Implicit_Sweep_2D(const Problem_Definition& p, const Node_Plane& t, Node_Plane& t_new,
                       Node_Plane& t_it) {
    const Plate_Numbers g = Plate_Of(p);
    t_it = t_new;
    Transient_Boundary<true>(g, t, t_new, t_new);
    for (int i = 2; i <= g.nx - 1; ++i) {
        for (int j = 2; j <= g.ny - 1; ++j) {
            t_new(i, j) = (g.f * (t_new(i - 1, j) + t_new(i + 1, j) + t_new(i, j + 1) +
                                  t_new(i, j - 1) + g.g1) +
                           t(i, j)) /
                          (1.0 + 4.0 * g.f);
        }
    }
    for (int i = 2; i <= g.nx - 1; ++i) {
        for (int j = 2; j <= g.ny - 1; ++j) {
            if (!(std::fabs(t_new(i, j) - t_it(i, j)) <= Transient_Tolerance)) {
                return false;
            }
        }
    }
    return true;
}

void Solve_Transient_2D(const Problem_Definition& p, Transient_2D_Store& s) {
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    const int nt = To_Int16(p.Number_Of_Time_Steps);
    const double dx = p.Grid_Size / 100.0;
    for (int m = 1; m <= std::max(nx, ny); ++m) {
        s.Location_T2D(m) = (m - 1) * dx;
    }
    Node_Plane& t = s.Temperature_T2D;
    Node_Plane& t_new = s.New_Temperature_T2D;
    auto store = [&](int n, const Node_Plane& level) {
        for (int i = 1; i <= nx; ++i) {
            for (int j = 1; j <= ny; ++j) {
                s.Temperature_History_2D(i, j, n) = level(i, j);
            }
        }
    };
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            t(i, j) = p.Initial_Temp;
            t_new(i, j) = p.Explicit_Scheme ? p.Initial_Temp : p.Initial_Temp + Start_Offset;
        }
    }
    store(0, t);
    s.Implicit_Sweeps = 0;
    for (int n = 1; n <= nt; ++n) {
        if (p.Explicit_Scheme) {
            Explicit_Step_2D(p, t, t_new);
        } else {
            do {
                ++s.Implicit_Sweeps;
            } while (!Implicit_Sweep_2D(p, t, t_new, s.Iterate_Temperature_T2D));
        }
        t = t_new;
        store(n, t);
    }
    t_new = t;
}

}  // namespace calorix::reference
