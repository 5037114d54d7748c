#include "analysis/heat_balance.h"

#include <algorithm>
#include <cmath>

namespace calorix {

const char* const Corner_Rule =
    "Corners: a flux side takes q over its half of a corner; two convection sides share their "
    "corner's convection in proportion to their h; a corner held at a side's temperature gives "
    "the rest of its cell's balance to the held side, half and half when both sides are held, "
    "and in the ratio 1 : Bi/(2 + Bi) with a convection side (Bi = h dx/k).";

namespace {

// How the flows of one balance are taken.
struct Flows {
    const double* flow = nullptr;    // the field the flows come from
    const double* before = nullptr;  // transient: the level before the step
    const double* level = nullptr;   // transient: the level the step makes
    bool transient = false;
    // Convection from the node equation solved for the node's own value
    // (steady, implicit step) rather than from h (T_inf - T) directly.
    bool algebra = false;
};

// The cell of a node as heat sees it: the node's own equation, or, for a
// node held at a side's temperature, the cell it would have if the holding
// sides were insulated (the steady wall's held face: its half cell).
Node_Equation Physical_Cell(const Fd_Grid& g, int i, int j, bool& held) {
    Node_Equation e = Equation_At(g, i, j);
    held = e.type == Node_Type::Fixed;
    if (!held) {
        return e;
    }
    Fd_Grid open = g;
    for (Grid_Side& s : open.sides) {
        if (s.kind == BC_Temperature) {
            s.kind = BC_Flux;
            s.q = 0;
        }
    }
    e = Equation_At(open, i, j);
    if (e.cell == 0) {
        e.cell = 0.5;
        e.gen = g.g1 / 2.0;
    }
    return e;
}

// Share of a held cell's rest that a side takes: 1 for a held side, none for
// a flux side, c / (w + c) for a convection side, which tends to 1 as h
// grows (the side then holds its temperature too) and is 0 for h = 0.
double Held_Weight(std::int16_t kind, double c, double w) {
    switch (kind) {
        case BC_Temperature:
            return 1.0;
        case BC_Convection:
            return c / (w + c);
        default:
            return 0.0;
    }
}

// Adds the share of node (i, j)'s cell to the rates of its sides, in the
// balance form of the node equations (divided by the conductivity).
void Add_Cell(const Fd_Grid& g, int i, int j, const Flows& f, std::array<double, 4>& rate) {
    bool held = false;
    const Node_Equation e = Physical_Cell(g, i, j, held);
    const std::size_t p = g.At(i, j);
    double a = e.gen;  // generation, conduction in from the neighbours' values, flux
    double w = 0;
    for (int n = 0; n < e.nb_count; ++n) {
        const Neighbour& b = e.nb[static_cast<std::size_t>(n)];
        a += b.w * f.flow[g.At(b.i, b.j)];
        w += b.w;
    }
    double c = 0, c_t = 0;  // convection: sum of Bi shares, of Bi shares times T_inf
    double weights = 0;     // held cells: how the rest is shared among the sides
    for (int n = 0; n < e.st_count; ++n) {
        const Side_Term& t = e.st[static_cast<std::size_t>(n)];
        const std::int16_t kind = g.sides[static_cast<std::size_t>(t.side)].kind;
        if (kind == BC_Flux) {
            rate[static_cast<std::size_t>(t.side)] += t.s;
            a += t.s;
            continue;
        }
        if (held) {
            weights += Held_Weight(kind, t.c, w);
        } else if (kind == BC_Convection) {
            c += t.c;
            c_t += t.s;
        }
    }
    const double mu = f.transient ? e.cell / g.f : 0.0;  // storage per degree over the step
    if (held) {
        // Whatever the cell does not pass on to the body, store or generate
        // came in through its held side(s).
        const double stored = f.transient ? mu * (f.level[p] - f.before[p]) : 0.0;
        const double rest = stored - (a - w * f.flow[p]);
        for (int n = 0; n < e.st_count; ++n) {
            const Side_Term& t = e.st[static_cast<std::size_t>(n)];
            const std::int16_t kind = g.sides[static_cast<std::size_t>(t.side)].kind;
            rate[static_cast<std::size_t>(t.side)] += rest * Held_Weight(kind, t.c, w) / weights;
        }
        return;
    }
    if (c == 0) {
        return;
    }
    double conv = 0;
    if (f.algebra) {
        // (w + mu + c) T = a + mu T_before + c_t gives
        // c T_inf - c T = (w' c_t - c a') / (w' + c): no difference of two
        // nearly equal temperatures multiplied by a large h, and as h grows
        // it tends to w' T_inf - a', the rate of a side held at T_inf.
        const double ww = w + mu;
        const double aa = a + (f.transient ? mu * f.before[p] : 0.0);
        conv = (ww * c_t - c * aa) / (ww + c);
    } else {
        conv = c_t - c * f.flow[p];
    }
    for (int n = 0; n < e.st_count; ++n) {
        const Side_Term& t = e.st[static_cast<std::size_t>(n)];
        if (g.sides[static_cast<std::size_t>(t.side)].kind == BC_Convection) {
            rate[static_cast<std::size_t>(t.side)] += conv * (t.c / c);
        }
    }
}

// Cell share of node (i, j) in the whole body: 1 inside, 1/2 on a side,
// 1/4 at a corner.
double Cell_Share(const Fd_Grid& g, int i, int j) {
    double s = (i == 1 || i == g.nx) ? 0.5 : 1.0;
    if (!g.Wall() && (j == 1 || j == g.ny)) {
        s *= 0.5;
    }
    return s;
}

Heat_Balance Balance(const Fd_Grid& g, const Flows& f) {
    std::array<double, 4> rate{};
    for (int i = 1; i <= g.nx; ++i) {
        const bool side_column = i == 1 || i == g.nx;
        if (g.Wall()) {
            if (side_column) {
                Add_Cell(g, i, 1, f, rate);
            }
            continue;
        }
        const int step = side_column ? 1 : g.ny - 1;
        for (int j = 1; j <= g.ny; j += step) {
            Add_Cell(g, i, j, f, rate);
        }
    }
    Heat_Balance b;
    const double factor = g.Rate_Factor();
    const double length = (g.nx - 1) * g.dx;
    b.generated = g.Wall() ? g.g * length : g.g * length * (g.ny - 1) * g.dx;
    b.sum = b.generated;
    b.largest = std::fabs(b.generated);
    for (int s = 0; s < 4; ++s) {
        Side_Rate& r = b.sides[static_cast<std::size_t>(s)];
        r.present = !g.Wall() || s == Side_Left || s == Side_Right;
        r.rate = factor * rate[static_cast<std::size_t>(s)];
        b.sum += r.rate;
        b.largest = std::max(b.largest, std::fabs(r.rate));
        if (r.present && g.Wall() && !g.Transient() &&
            g.sides[static_cast<std::size_t>(s)].kind != BC_Temperature) {
            ++b.faces_left_out;
            b.left_out += g.g * g.dx / 2.0;
        }
    }
    b.remainder = b.sum - b.left_out;
    return b;
}

// Heat capacity of a whole cell per degree: J/(m.K) (plate), J/(m^2.K) (wall).
double Cell_Capacity(const Fd_Grid& g) {
    return g.k / g.alpha * (g.Wall() ? g.dx : g.dx * g.dx);
}

}  // namespace

Heat_Balance Side_Balance(const Fd_Grid& g, const double* field) {
    Flows f;
    f.flow = field;
    f.algebra = true;
    return Balance(g, f);
}

Heat_Balance Step_Balance(const Fd_Grid& g, const double* before, const double* level) {
    Flows f;
    f.transient = true;
    f.before = before;
    f.level = level;
    f.flow = g.implicit ? level : before;
    f.algebra = g.implicit && before != level;
    Heat_Balance b = Balance(g, f);
    b.storage_rate = Stored_Heat(g, before, level) / g.dt;
    b.remainder = b.sum - b.storage_rate;
    return b;
}

double Stored_Heat(const Fd_Grid& g, const double* first, const double* level) {
    double sum = 0;
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const std::size_t p = g.At(i, j);
            sum += Cell_Share(g, i, j) * (level[p] - first[p]);
        }
    }
    return Cell_Capacity(g) * sum;
}

Cumulative_Balance Cumulative_Balance_To(const Fd_Grid& g, const Result_Stores& s, int kind,
                                         int level) {
    Cumulative_Balance c;
    const int first = First_Level(kind);
    for (int n = first + 1; n <= level; ++n) {
        const double* before = Level_Field(s, kind, n - 1);
        const double* now = Level_Field(s, kind, n);
        Flows f;
        f.transient = true;
        f.before = before;
        f.level = now;
        f.flow = g.implicit ? now : before;
        f.algebra = g.implicit;
        c.inflow += Balance(g, f).sum * g.dt;
    }
    c.stored = Stored_Heat(g, Level_Field(s, kind, first), Level_Field(s, kind, level));
    return c;
}

const char* Rate_Unit(const Fd_Grid& g) {
    return g.Wall() ? "W/m^2" : "W/m";
}

const char* Energy_Unit(const Fd_Grid& g) {
    return g.Wall() ? "J/m^2" : "J/m";
}

}  // namespace calorix
