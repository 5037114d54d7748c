#include "solvers/steady_state_conduction_2d.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/number_text.h"
#include "common/run_error.h"
#include "solvers/diagonal_plane.h"
#include "solvers/side_chains.h"
#include "solvers/wavefront.h"

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

// The edges and corners of one sweep.  The plain order is bottom, top, left,
// right, each node overwriting its value at once: a horizontal edge corners
// first, then the nodes between them left to right; a kind-1 vertical edge
// takes its corners too, otherwise the corners keep what the horizontal
// edges gave.
//
// `walk_chains` false leaves the nodes between the corners of the edges that
// follow their equation to the sweep (Chains_Of).
void Boundary_Nodes(const Edges& edges, double g1, double g2, Diagonal_Plane& t, bool walk_chains) {
    const int nx = t.Nx();
    const int ny = t.Ny();
    Side_Ends(
        nx, ny, edges.bottom, edges.top, edges.left, edges.right,
        [&](int i, int j, double v) { t(i, j) = v; },
        [&](const Edge& e, int j, int j_in) {
            t(1, j) = Corner_Node(e, edges.left, t(2, j), t(1, j_in), g2);
            t(nx, j) = Corner_Node(e, edges.right, t(nx - 1, j), t(nx, j_in), g2);
        });
    if (!walk_chains) {
        return;
    }
    Walk_Side_Chains(
        nx, ny, edges.bottom, edges.top, edges.left, edges.right,
        [&](const Edge& e, int i, int j, int j_in) {
            t(i, j) = Edge_Node(e, t(i, j_in), t(i - 1, j), t(i + 1, j), g1);
        },
        [&](const Edge& e, int i, int j, int i_in) {
            t(i, j) = Edge_Node(e, t(i_in, j), t(i, j - 1), t(i, j + 1), g1);
        });
}

// The edges that follow their equation as chains renewed inside the sweep:
// each node just before the interior diagonal that holds its inward
// neighbour.  Its neighbours along the edge and inward, and everything that
// reads it, then see the values of the plain order (edges first): the nodes
// before it along the edge are new, the node after it and its inward
// neighbour not yet renewed, and no interior node reads it before.  Needs
// an interior: Nx, Ny >= 3.
int Chains_Of(const Edges& edges, int nx, int ny, std::array<wavefront::Edge_Chain, 4>& out) {
    int n = 0;
    auto add = [&](const Edge& e, wavefront::Edge_Chain c) {
        if (e.kind != BC_Temperature) {
            c.two_source = 2.0 * e.source;
            c.denominator = e.kind == BC_Flux ? 4.0 : 2.0 * e.biot + 4.0;
            out[static_cast<std::size_t>(n++)] = c;
        }
    };
    add(edges.bottom, {0, ny, 1, 0, 0, -1, ny - 1, nx - 1, 0, 0});
    add(edges.top, {0, 1, 1, 0, 0, 1, 2, nx - 1, 0, 0});
    add(edges.left, {1, 0, 0, 1, 1, 0, 2, ny - 1, 0, 0});
    add(edges.right, {nx, 0, 0, 1, -1, 0, nx - 1, ny - 1, 0, 0});
    return n;
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
    for (int m = 1; m <= std::max(nx, ny); ++m) {
        s.Location_2D(m) = (m - 1) * dx;
    }
    Node_Plane& result = s.Temperature_2D;
    std::fill(s.Old_Temperature_2D.Data(), s.Old_Temperature_2D.Data() + result.Size(),
              p.Guess_Temp);

    // A plate held at one temperature on every edge with no generation is at
    // that temperature everywhere.
    s.Sweeps = 0;
    if (p.Left_BC == BC_Temperature && p.Right_BC == BC_Temperature && p.Top_BC == BC_Temperature &&
        p.Bottom_BC == BC_Temperature && p.Temp_BC_Left == p.Temp_BC_Right &&
        p.Temp_BC_Left == p.Temp_BC_Top && p.Temp_BC_Left == p.Temp_BC_Bottom &&
        p.Q_generation == 0.0) {
        std::fill(result.Data(), result.Data() + result.Size(), p.Temp_BC_Left);
        return;
    }
    // The sweeps run on the plane laid out by anti-diagonals.  Each interior
    // node is measured against its value before the sweep, which is what the
    // previous sweep left in it.
    Diagonal_Plane t;
    t.Dimension(nx, ny);
    t.Fill(p.Guess_Temp);
    wavefront::Steady_Sweep interior{t.Data(), t.Origins(), nx, ny, g1, Tolerance};
    std::array<wavefront::Edge_Chain, 4> chains{};
    const bool walk_chains = nx < 3 || ny < 3;
    if (!walk_chains) {
        interior.edges = chains.data();
        interior.edge_count = Chains_Of(edges, nx, ny, chains);
    }
    for (;;) {
        if (s.Sweeps == Max_Sweeps) {
            t.Store(result.Data());
            throw Run_Error("no convergence within 32767 sweeps");
        }
        ++s.Sweeps;
        Boundary_Nodes(edges, g1, g2, t, walk_chains);
        if (wavefront::Sweep(interior)) {
            break;
        }
    }
    t.Store(result.Data());
}

}  // namespace calorix
