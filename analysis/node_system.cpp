#include "analysis/node_system.h"

namespace calorix {

namespace {

const Grid_Side& Side_Of(const Fd_Grid& g, int side) {
    return g.sides[static_cast<std::size_t>(side)];
}

Node_Stencil Held(const Fd_Grid& g, int side) {
    Node_Stencil s;
    s.fixed = true;
    s.value = Side_Of(g, side).t;
    s.b = s.value;
    return s;
}

// The flux or convection of `side` over `share` of a whole cell's length.
void Add_Side(const Fd_Grid& g, int side, double share, Node_Stencil& s) {
    const Grid_Side& gs = Side_Of(g, side);
    if (gs.kind == BC_Flux) {
        s.b += share * (gs.q * g.dx / g.k);
    } else {
        s.b += share * (gs.bi * gs.t_inf);
        s.d += share * gs.bi;
        s.c += share * gs.bi;
    }
}

Node_Stencil Wall_Stencil(const Fd_Grid& g, int i) {
    Node_Stencil s;
    s.d = 0;
    if (i == 1 || i == g.nx) {
        const int side = i == 1 ? Side_Left : Side_Right;
        if (Side_Of(g, side).kind == BC_Temperature) {
            return Held(g, side);
        }
        // The steady face balances its side against one conduction step and
        // holds no heat; the transient face is a half cell.
        s.w[i == 1 ? Dir_East : Dir_West] = 1.0;
        s.d = 1.0;
        s.cell = g.Transient() ? 0.5 : 0.0;
        s.b = s.cell * g.g1;
        Add_Side(g, side, 1.0, s);
        return s;
    }
    s.w[Dir_West] = s.w[Dir_East] = 1.0;
    s.d = 2.0;
    s.cell = 1.0;
    s.b = g.g1;
    return s;
}

}  // namespace

Node_Stencil Stencil_At(const Fd_Grid& g, int i, int j) {
    if (g.Wall()) {
        return Wall_Stencil(g, i);
    }
    const bool left = i == 1, right = i == g.nx, top = j == 1, bottom = j == g.ny;
    const int v_side = left ? Side_Left : right ? Side_Right : -1;
    const int h_side = top ? Side_Top : bottom ? Side_Bottom : -1;
    // A held left or right side decides its corners, then a held top or
    // bottom.
    if (v_side >= 0 && Side_Of(g, v_side).kind == BC_Temperature) {
        return Held(g, v_side);
    }
    if (h_side >= 0 && Side_Of(g, h_side).kind == BC_Temperature) {
        return Held(g, h_side);
    }
    Node_Stencil s;
    s.d = 0;
    // Links along a side row or column join two half cells.
    const double along_row = h_side >= 0 ? 0.5 : 1.0;
    const double along_column = v_side >= 0 ? 0.5 : 1.0;
    if (!left) {
        s.w[Dir_West] = along_row;
    }
    if (!right) {
        s.w[Dir_East] = along_row;
    }
    if (!top) {
        s.w[Dir_North] = along_column;
    }
    if (!bottom) {
        s.w[Dir_South] = along_column;
    }
    for (const double w : s.w) {
        s.d += w;
    }
    const bool corner = v_side >= 0 && h_side >= 0;
    const double share = corner ? 0.5 : 1.0;
    s.cell = (v_side >= 0 ? 0.5 : 1.0) * (h_side >= 0 ? 0.5 : 1.0);
    s.b = s.cell * g.g1;
    if (h_side >= 0) {
        Add_Side(g, h_side, share, s);
    }
    if (v_side >= 0) {
        Add_Side(g, v_side, share, s);
    }
    return s;
}

Node_System::Node_System(const Fd_Grid& g) : grid(g) {
    const std::size_t n = g.Node_Count();
    fixed.assign(n, 0);
    d.assign(n, 1.0);
    b.assign(n, 0.0);
    cell.assign(n, 0.0);
    for (auto& v : w) {
        v.assign(n, 0.0);
    }
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const std::size_t p = g.At(i, j);
            const Node_Stencil s = Stencil_At(g, i, j);
            fixed[p] = s.fixed ? 1 : 0;
            d[p] = s.fixed ? 1.0 : s.d;
            b[p] = s.b;
            cell[p] = s.cell;
            for (int k = 0; k < 4; ++k) {
                w[k][p] = s.w[k];
            }
            anchored |= s.fixed || s.c != 0;
        }
    }
    auto add = [&](int i, int j) {
        if (fixed[g.At(i, j)] == 0) {
            edge_order.push_back(static_cast<int>(g.At(i, j)));
        }
    };
    if (g.Wall()) {
        add(1, 1);
        add(g.nx, 1);
        return;
    }
    for (const int j : {g.ny, 1}) {
        add(1, j);
        add(g.nx, j);
        for (int i = 2; i < g.nx; ++i) {
            add(i, j);
        }
    }
    for (const int i : {1, g.nx}) {
        for (int j = 2; j < g.ny; ++j) {
            add(i, j);
        }
    }
}

bool Node_System::Interior(int i, int j) const {
    return i > 1 && i < grid.nx && (grid.Wall() || (j > 1 && j < grid.ny));
}

}  // namespace calorix
