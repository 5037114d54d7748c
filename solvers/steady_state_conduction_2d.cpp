#include "solvers/steady_state_conduction_2d.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {

constexpr double Tolerance = 1e-6;
constexpr int Max_Sweeps = 32767;  // the sweep counter is a 16-bit integer

// What one edge contributes to the node equations of its nodes.
struct Edge {
    std::int16_t kind;
    double temperature;  // kind 1
    double source;       // q*dx/k (kind 2) or Bi*T_inf (kind 3)
    double biot;         // 0 for kind 2, Bi for kind 3
};

Edge Make_Edge(std::int16_t kind, double t, double q, double h, double t_inf, double dx, double k) {
    const double bi = (h * dx) / k;
    if (kind == BC_Flux) {
        return {kind, t, q * dx / k, 0.0};
    }
    return {kind, t, bi * t_inf, bi};
}

struct Edges {
    Edge left, right, top, bottom;
};

Edges Edges_Of(const Problem_Definition& p, double dx, double k) {
    return {
        Make_Edge(p.Left_BC, p.Temp_BC_Left, p.Q_BC_Left, p.h_BC_Left, p.T_Infinity_BC_Left, dx, k),
        Make_Edge(p.Right_BC, p.Temp_BC_Right, p.Q_BC_Right, p.h_BC_Right, p.T_Infinity_BC_Right,
                  dx, k),
        Make_Edge(p.Top_BC, p.Temp_BC_Top, p.Q_BC_Top, p.h_BC_Top, p.T_Infinity_BC_Top, dx, k),
        Make_Edge(p.Bottom_BC, p.Temp_BC_Bottom, p.Q_BC_Bottom, p.h_BC_Bottom,
                  p.T_Infinity_BC_Bottom, dx, k)};
}

// Half-cell balance of an edge node between its two neighbours along the
// edge (a, b) with the inward neighbour n_in.
inline double Edge_Node(const Edge& e, double n_in, double a, double b, double g1) {
    if (e.kind == BC_Flux) {
        return (2.0 * n_in + a + b + 2.0 * e.source + g1) / 4.0;
    }
    return (2.0 * n_in + a + b + 2.0 * e.source + g1) / (2.0 * e.biot + 4.0);
}

// Corner set by the horizontal edge h (kind 2 or 3) against the vertical
// edge v: a kind-1 vertical edge gives its temperature, otherwise the
// quarter-cell balance with the two neighbours along the edges.
inline double Corner_Node(const Edge& h, const Edge& v, double n1, double n2, double g2) {
    if (v.kind == BC_Temperature) {
        return v.temperature;
    }
    return (n1 + n2 + h.source + v.source + g2) / (2.0 + h.biot + v.biot);
}

// Interior nodes of one Gauss-Seidel sweep, in place, column by column left
// to right and down each column, with the node equation as written:
//     T(i, j) = (T(i+1, j) + T(i-1, j) + T(i, j+1) + T(i, j-1) + G1) / 4,
// summed left to right.  T(i-1, j) and T(i, j-1) are this sweep's values,
// T(i+1, j) and T(i, j+1) the previous sweep's.
//
// Down one column every node waits for the one above it, so a plain column
// loop runs at the latency of that chain.  K neighbouring columns are swept
// together on a skewed front instead: at front position s, column k of the
// block updates its interior row s - k, one row behind its western
// neighbour.  Every node still sees exactly the values the plain order gives
// it (the western neighbour was renewed one position earlier, the eastern
// one not yet) and performs the same operations in the same order, so every
// bit is the plain order's; but the K chains are independent and overlap.
// The value each column wrote last stays in a register: it is the northern
// neighbour of the column's next node and the western one of the next
// column's node one position later.
struct Sweep_Data {
    double* t;
    double* t_old;
    std::size_t ny;
    int rows;  // interior rows, Ny - 2
    double g1;
};

template <int K>
inline bool Sweep_Block(const Sweep_Data& a, int first_column) {
    const std::size_t column = a.ny;
    const std::size_t start = static_cast<std::size_t>(first_column - 1) * column;
    double* const c = a.t + start;
    const double* const west_column = a.t + (start - column);
    double* const old = a.t_old + start;
    const double g1 = a.g1;
    const int rows = a.rows;
    double last[K];
    for (int k = 0; k < K; ++k) {
        last[k] = c[static_cast<std::size_t>(k) * column];  // the top edge row
    }
    bool settled = true;
    // Eastern columns go first within a front, so that last[k - 1] still
    // holds the western neighbour's row s - k when column k reads it.  Only
    // the first and last K - 1 positions reach past the column ends.
    auto front = [&](int s, bool edge_of_front) {
#pragma GCC unroll 16
        for (int k = K - 1; k >= 0; --k) {
            const int r = s - k;
            if (edge_of_front && (r < 0 || r >= rows)) {
                continue;
            }
            const std::size_t e =
                static_cast<std::size_t>(k) * column + static_cast<std::size_t>(r) + 1;
            const double west = k == 0 ? west_column[e] : last[k - 1];
            const double v = (c[e + column] + west + c[e + 1] + last[k] + g1) / 4.0;
            c[e] = v;
            last[k] = v;
            settled &= std::fabs(v - old[e]) <= Tolerance;
            old[e] = v;
        }
    };
    const int fronts = rows + K - 1;
    int s = 0;
    for (; s < std::min(K - 1, fronts); ++s) {
        front(s, true);
    }
    for (; s < rows; ++s) {
        front(s, false);
    }
    for (; s < fronts; ++s) {
        front(s, true);
    }
    return settled;
}

// One interior sweep; true when no interior node moved by more than the
// tolerance.  T_old is refreshed as the sweep goes: it is needed again only
// when the sweep is not final.
bool Interior_Sweep(Node_Plane& t, Node_Plane& t_old, double g1) {
    const Sweep_Data a{t.Data(), t_old.Data(), static_cast<std::size_t>(t.Ny()), t.Ny() - 2, g1};
    const int nx = t.Nx();
    bool settled = true;
    int i = 2;
    for (; i + 8 <= nx; i += 8) {
        settled &= Sweep_Block<8>(a, i);
    }
    for (; i + 4 <= nx; i += 4) {
        settled &= Sweep_Block<4>(a, i);
    }
    for (; i <= nx - 1; ++i) {
        settled &= Sweep_Block<1>(a, i);
    }
    return settled;
}

}  // namespace

void Solve_Steady_State_2D(const Problem_Definition& p, Steady_2D_Store& s) {
    const int nx = To_Int16(p.X_Grid);
    const int ny = p.Y_Grid;
    s.X_Nodes_2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_2D = static_cast<std::int16_t>(ny);
    const double dx = p.Grid_Size / 100.0;
    const double k = p.Conductivity;
    const double g1 = dx * dx * p.Q_generation / k;
    const double g2 = dx * dx * p.Q_generation / (2.0 * k);
    const Edges edges = Edges_Of(p, dx, k);
    const Edge& left = edges.left;
    const Edge& right = edges.right;

    Node_Plane& t = s.Temperature_2D;
    Node_Plane& t_old = s.Old_Temperature_2D;
    for (int m = 1; m <= std::max(nx, ny); ++m) {
        s.Location_2D(m) = (m - 1) * dx;
    }

    // A plate held at one temperature on every edge with no generation is at
    // that temperature everywhere.
    s.Sweeps = 0;
    if (p.Left_BC == BC_Temperature && p.Right_BC == BC_Temperature && p.Top_BC == BC_Temperature &&
        p.Bottom_BC == BC_Temperature && p.Temp_BC_Left == p.Temp_BC_Right &&
        p.Temp_BC_Left == p.Temp_BC_Top && p.Temp_BC_Left == p.Temp_BC_Bottom &&
        p.Q_generation == 0.0) {
        std::fill(t.Data(), t.Data() + t.Size(), p.Temp_BC_Left);
        return;
    }
    std::fill(t.Data(), t.Data() + t.Size(), p.Guess_Temp);
    std::fill(t_old.Data(), t_old.Data() + t_old.Size(), p.Guess_Temp);

    // A horizontal edge (row j, inward row j_in): corners first, then the
    // nodes between them, left to right.
    auto horizontal = [&](const Edge& e, int j, int j_in) {
        if (e.kind == BC_Temperature) {
            for (int i = 1; i <= nx; ++i) {
                t(i, j) = e.temperature;
            }
            return;
        }
        t(1, j) = Corner_Node(e, left, t(2, j), t(1, j_in), g2);
        t(nx, j) = Corner_Node(e, right, t(nx - 1, j), t(nx, j_in), g2);
        for (int i = 2; i <= nx - 1; ++i) {
            t(i, j) = Edge_Node(e, t(i, j_in), t(i - 1, j), t(i + 1, j), g1);
        }
    };
    // A vertical edge (column i, inward column i_in): a kind-1 edge takes its
    // corners too; otherwise the corners keep what the horizontal edges gave.
    auto vertical = [&](const Edge& e, int i, int i_in) {
        double* col = t.Column(i);
        if (e.kind == BC_Temperature) {
            std::fill(col, col + ny, e.temperature);
            return;
        }
        const double* inward = t.Column(i_in);
        for (int j = 1; j < ny - 1; ++j) {
            col[j] = Edge_Node(e, inward[j], col[j - 1], col[j + 1], g1);
        }
    };

    for (int sweep = 0;;) {
        if (sweep == Max_Sweeps) {
            throw Run_Error("no convergence within 32767 sweeps");
        }
        ++sweep;
        s.Sweeps = sweep;
        horizontal(edges.bottom, ny, ny - 1);
        horizontal(edges.top, 1, 2);
        vertical(left, 1, 2);
        vertical(right, nx, nx - 1);

        if (Interior_Sweep(t, t_old, g1)) {
            return;
        }
    }
}
}  // namespace calorix
