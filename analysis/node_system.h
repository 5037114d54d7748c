#pragma once
// The node equations of a run as plain coefficients, node by node, without
// building an equation object for each: the energy balance of node p's cell
//
//   cell_p * dT_p/dt / F = sum_n w_pn (T_n - T_p) + b_p - c_p T_p
//
// (every term divided by the conductivity; cell, b and c as the node
// equations define them).  At steady state that is d_p T_p - sum w T_n = b_p
// with d_p = sum w + c_p.  The conductance w between two nodes is the same
// seen from either node, so the system is symmetric: 1 across a whole cell
// face, 1/2 between two nodes of the same side (the face between their half
// cells is half as wide).
#include <cstdint>
#include <vector>

#include "analysis/node_equation.h"

namespace calorix {

enum Stencil_Direction { Dir_West = 0, Dir_East, Dir_North, Dir_South };

struct Node_Stencil {
    bool fixed = false;
    double value = 0;  // held temperature of a fixed node
    double d = 1;      // sum of the conductances and of the side coefficient
    double b = 0;      // generation and side sources
    double cell = 0;   // share of a whole cell (0 for the steady wall's faces)
    double c = 0;      // coefficient of the node's own temperature from convection
    double w[4] = {};  // to (i-1, j), (i+1, j), (i, j-1), (i, j+1); 0: no link
};

// The coefficients of node (i, j), for the kind of the grid (the transient
// wall's faces are half cells with their share of the generation).
Node_Stencil Stencil_At(const Fd_Grid& g, int i, int j);

// Every node's coefficients in arrays laid out like the stores, for the
// iteration methods.  Fixed nodes have d = 1 and b = their value.
struct Node_System {
    Fd_Grid grid;
    std::vector<std::uint8_t> fixed;
    std::vector<double> d, b, cell;
    std::vector<double> w[4];
    // Nodes on a side or corner that are not held, in the order the solver
    // sweeps them (bottom, top, left, right; corners first on a side).
    std::vector<int> edge_order;
    bool anchored = false;  // a held temperature or a convection side fixes the level

    explicit Node_System(const Fd_Grid& g);
    std::size_t Size() const { return d.size(); }
    // Neighbour of node p in direction k (the stores' layout: i outer, j
    // inner; a wall's one row has no north or south links).
    long Neighbour(long p, int k) const {
        const long stride = grid.ny;
        return k == Dir_West    ? p - stride
               : k == Dir_East  ? p + stride
               : k == Dir_North ? p - 1
                                : p + 1;
    }
    // Whether node p is an interior node (whole cell, four unit links).
    bool Interior(int i, int j) const;
};

}  // namespace calorix
