#include "analysis/analytic_profile.h"

#include <cmath>

namespace calorix {

const char* const Nodes_Legend = "Finite-difference nodes";

Analytic_Profile Wall_Profile(const Fd_Grid& g) {
    Analytic_Profile p;
    const double k = g.k;
    const double l = (g.nx - 1) * g.dx;
    p.length = l;
    p.a = -g.g / (2.0 * k);
    const double a = p.a;
    // Each face gives one linear equation r0*c1 + r1*c2 = r2.  Heat entering
    // at x = 0 flows in +x (q = -k T'), at x = L in -x (q = k T'); n is the
    // outward normal.
    auto row = [&](int side, bool right, double r[3]) {
        const Grid_Side& s = g.sides[static_cast<std::size_t>(side)];
        const double x = right ? l : 0.0;
        const double sign = right ? 1.0 : -1.0;  // outward normal
        switch (s.kind) {
            case BC_Temperature:  // T(x) = T_s
                r[0] = x, r[1] = 1.0, r[2] = s.t - a * x * x;
                break;
            case BC_Flux:  // q = k T' . n
                r[0] = k, r[1] = 0.0, r[2] = sign * s.q - 2.0 * a * k * x;
                break;
            default:  // h (T_inf - T) = k T' . n
                r[0] = sign * k + s.h * x, r[1] = s.h,
                r[2] = s.h * s.t_inf - s.h * a * x * x - sign * 2.0 * a * k * x;
                break;
        }
    };
    double r[3], q[3];
    row(Side_Left, false, r);
    row(Side_Right, true, q);
    const double det = r[0] * q[1] - r[1] * q[0];
    const double size = std::fabs(r[0] * q[1]) + std::fabs(r[1] * q[0]);
    if (size == 0 || std::fabs(det) <= 1e-12 * size) {
        p.note = g.sides[Side_Left].kind == BC_Flux && g.sides[Side_Right].kind == BC_Flux
                     ? "Heat flux on both faces: the wall has no unique steady profile, so no "
                       "analytic curve is drawn."
                     : "Neither face holds the temperature level: the wall has no unique steady "
                       "profile, so no analytic curve is drawn.";
        return p;
    }
    p.c1 = (r[2] * q[1] - r[1] * q[2]) / det;
    p.c2 = (r[0] * q[2] - r[2] * q[0]) / det;
    p.unique = true;
    return p;
}

std::vector<std::pair<double, double>> Profile_Curve(const Analytic_Profile& p, int samples) {
    std::vector<std::pair<double, double>> c;
    c.reserve(static_cast<std::size_t>(samples) + 1);
    for (int s = 0; s <= samples; ++s) {
        const double x = p.length * s / samples;
        c.emplace_back(x, p.At(x));
    }
    return c;
}

Field_Difference Profile_Difference(const Fd_Grid& g, const Analytic_Profile& p,
                                    const double* field) {
    Field_Difference d;
    for (int i = 1; i <= g.nx; ++i) {
        const double v = std::fabs(field[i - 1] - p.At((i - 1) * g.dx));
        if (v > d.largest) {
            d = {v, i, 1};
        }
    }
    return d;
}

std::string Profile_Legend(const Fd_Grid& g, const Field_Difference& d) {
    std::string legend = "Exact continuous profile (largest difference at the nodes " +
                         Equation_Number(d.largest) + " C, node " + std::to_string(d.i);
    int faces = 0;
    for (int s : {Side_Left, Side_Right}) {
        faces += g.sides[static_cast<std::size_t>(s)].kind != BC_Temperature ? 1 : 0;
    }
    if (faces > 0 && g.g != 0) {
        // The steady face equations of flux and convection faces hold no
        // half cell, so the nodes miss the generation there.
        legend += "; face equations leave out g·dx/2 = " + Equation_Number(g.g * g.dx / 2) +
                  " W/m^2" + (faces == 2 ? " each" : "");
    }
    return legend + ")";
}

}  // namespace calorix
