#include "analysis/heat_balance.h"

#include <algorithm>
#include <cmath>

namespace calorix {

Heat_Balance Side_Balance(const Fd_Grid& g, const double* field) {
    Heat_Balance b;
    for (int s = 0; s < 4; ++s) {
        b.sides[static_cast<std::size_t>(s)].present =
            !g.Wall() || s == Side_Left || s == Side_Right;
    }
    const double factor = g.Rate_Factor();
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const Node_Equation e = Equation_At(g, i, j);
            if (e.type == Node_Type::Fixed) {
                continue;
            }
            const double t = field[g.At(i, j)];
            b.generated += factor * e.gen;
            for (int n = 0; n < e.st_count; ++n) {
                const Side_Term& st = e.st[static_cast<std::size_t>(n)];
                Side_Rate& r = b.sides[static_cast<std::size_t>(st.side)];
                r.rate += factor * (st.s - st.c * t);
                ++r.cells;
            }
            // Conduction in from a node held at its side's temperature.
            for (int n = 0; n < e.nb_count; ++n) {
                const Neighbour& nb = e.nb[static_cast<std::size_t>(n)];
                const Node_Equation f = Equation_At(g, nb.i, nb.j);
                if (f.type == Node_Type::Fixed) {
                    Side_Rate& r = b.sides[static_cast<std::size_t>(f.side)];
                    r.rate += factor * nb.w * (field[g.At(nb.i, nb.j)] - t);
                    ++r.links;
                }
            }
        }
    }
    b.imbalance = b.generated;
    b.largest = std::fabs(b.generated);
    for (const Side_Rate& r : b.sides) {
        b.imbalance += r.rate;
        b.largest = std::max(b.largest, std::fabs(r.rate));
    }
    b.percent = b.largest > 0 ? 100.0 * std::fabs(b.imbalance) / b.largest : 0.0;
    return b;
}

std::string Side_Coverage(const Fd_Grid& g, int side, const Side_Rate& r) {
    const Grid_Side& s = g.sides[static_cast<std::size_t>(side)];
    const std::string cells = std::to_string(r.cells) + (r.cells == 1 ? " cell" : " cells");
    switch (s.kind) {
        case BC_Temperature:
            return "conduction from its nodes into the " + std::to_string(r.links) +
                   (r.links == 1 ? " neighbouring cell" : " neighbouring cells") +
                   " the solver computes";
        case BC_Flux:
            return "q times the length of its " + cells + " next to the side";
        default:
            return "h·(T∞ - T) over its " + cells + " next to the side";
    }
}

Step_Balance Transient_Step_Balance(const Fd_Grid& g, const double* first, const double* before,
                                    const double* level) {
    Step_Balance b;
    // Heat capacity per volume k/alpha times the cell's volume per metre of
    // depth (plate) or per m^2 of face (wall).
    const double capacity = g.k / g.alpha * (g.Wall() ? g.dx : g.dx * g.dx);
    double since_first = 0;
    double last_step = 0;
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const Node_Equation e = Equation_At(g, i, j);
            if (e.type == Node_Type::Fixed) {
                continue;
            }
            const std::size_t p = g.At(i, j);
            since_first += e.cell * (level[p] - first[p]);
            last_step += e.cell * (level[p] - before[p]);
        }
    }
    b.stored = capacity * since_first;
    b.storage_rate = capacity * last_step / g.dt;
    const Heat_Balance in = Side_Balance(g, g.implicit ? level : before);
    b.inflow = in.imbalance;
    b.error = b.storage_rate - b.inflow;
    return b;
}

const char* Rate_Unit(const Fd_Grid& g) {
    return g.Wall() ? "W/m^2" : "W/m";
}

const char* Energy_Unit(const Fd_Grid& g) {
    return g.Wall() ? "J/m^2" : "J/m";
}

}  // namespace calorix
