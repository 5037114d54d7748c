#include "analysis/convergence_time.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/convergence_refinement.h"
#include "analysis/node_system.h"
#include "analysis/unknown_matrix.h"

namespace calorix {

namespace {

const double Pi = std::acos(-1.0);

bool Stopped(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// `steps` steps of `dt` from the initial field; returns the final field.
std::vector<double> March(const Node_System& s, double initial, double dt, int steps, bool implicit,
                          const std::atomic<bool>* cancel) {
    const Fd_Grid& g = s.grid;
    const std::size_t n = s.Size();
    const double f = g.alpha * dt / (g.dx * g.dx);
    std::vector<double> t(n, initial), next(n);
    for (std::size_t p = 0; p < n; ++p) {
        if (s.fixed[p] != 0 && g.Wall()) {
            t[p] = s.b[p];  // the wall starts with its held faces at their temperature
        }
    }
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor;
    // (cell/F + d) T' - sum w T'_n = cell/F T + b, held neighbours known.
    const Unknown_Matrix u = implicit ? Assemble_Unknowns(s, f) : Unknown_Matrix();
    const std::vector<int>& unknown = u.number;
    const Eigen::VectorXd& held_part = u.known;
    if (implicit) {
        factor.compute(u.a);
    }
    Eigen::VectorXd rhs(u.a.rows());
    for (int step = 0; step < steps && !Stopped(cancel); ++step) {
        for (std::size_t p = 0; p < n; ++p) {
            if (s.fixed[p] != 0) {
                next[p] = s.b[p];
                continue;
            }
            if (implicit) {
                rhs(unknown[p]) = s.cell[p] / f * t[p] + held_part(unknown[p]);
                continue;
            }
            double sum = s.b[p] - s.d[p] * t[p];
            for (int k = 0; k < 4; ++k) {
                if (s.w[k][p] != 0) {
                    sum += s.w[k][p] *
                           t[static_cast<std::size_t>(s.Neighbour(static_cast<long>(p), k))];
                }
            }
            next[p] = t[p] + f / s.cell[p] * sum;
        }
        if (implicit) {
            const Eigen::VectorXd x = factor.solve(rhs);
            for (std::size_t p = 0; p < n; ++p) {
                if (unknown[p] >= 0) {
                    next[p] = x(unknown[p]);
                }
            }
        }
        t.swap(next);
    }
    return t;
}

}  // namespace

double Plane_Wall_Eigenvalue(double bi, int n) {
    double lo = (n - 1) * Pi, hi = lo + Pi / 2;
    for (int k = 0; k < 200; ++k) {  // bisection on z sin z - Bi cos z
        const double z = 0.5 * (lo + hi);
        const double v = z * std::sin(z) - bi * std::cos(z);
        ((v > 0) == ((n % 2) == 1) ? hi : lo) = z;
    }
    return 0.5 * (lo + hi);
}

double Plane_Wall_Theta(double bi, double fo, double x_over_l, int terms) {
    double theta = 0;
    for (int n = 1; n <= terms; ++n) {
        const double z = Plane_Wall_Eigenvalue(bi, n);
        const double c = 4 * std::sin(z) / (2 * z + std::sin(2 * z));
        theta += c * std::exp(-z * z * fo) * std::cos(z * x_over_l);
    }
    return theta;
}

bool Wall_Series_Value(const Fd_Grid& g, double initial, int i, double t, double& value) {
    if (!g.Wall() || g.g != 0) {
        return false;
    }
    const Grid_Side& l = g.sides[Side_Left];
    const Grid_Side& r = g.sides[Side_Right];
    const auto insulated = [](const Grid_Side& s) { return s.kind == BC_Flux && s.q == 0; };
    const auto cooled = [](const Grid_Side& s) { return s.kind == BC_Convection && s.h > 0; };
    const double width = (g.nx - 1) * g.dx;
    double half = 0, x = 0;
    const Grid_Side* fluid = nullptr;
    if (cooled(l) && cooled(r) && l.h == r.h && l.t_inf == r.t_inf) {
        half = width / 2, x = std::fabs((i - 1) * g.dx - half), fluid = &l;
    } else if (insulated(l) && cooled(r)) {
        half = width, x = (i - 1) * g.dx, fluid = &r;
    } else if (cooled(l) && insulated(r)) {
        half = width, x = width - (i - 1) * g.dx, fluid = &l;
    } else {
        return false;
    }
    const double theta =
        Plane_Wall_Theta(fluid->h * half / g.k, g.alpha * t / (half * half), x / half);
    value = fluid->t_inf + (initial - fluid->t_inf) * theta;
    return true;
}

double Largest_Stable_Time_Step(const Fd_Grid& g) {
    const auto bi = [&](int s) { return g.sides[static_cast<std::size_t>(s)].bi; };
    double coefficient = 0;  // the largest condition value divided by F
    if (g.Wall()) {
        coefficient = 2 + 2 * std::max({0.0, bi(Side_Left), bi(Side_Right)});
    } else {
        const double l = bi(Side_Left), r = bi(Side_Right), t = bi(Side_Top), b = bi(Side_Bottom);
        coefficient = 4 + 2 * std::max({0.0, l, r, t, b, r + b, l + b, r + t, l + t});
    }
    return g.dx * g.dx / (g.alpha * coefficient);
}

double Largest_Positive_Time_Step(const Node_System& s) {
    double least = std::numeric_limits<double>::infinity();  // of cell / d
    for (std::size_t p = 0; p < s.Size(); ++p) {
        if (s.fixed[p] == 0 && s.cell[p] > 0) {
            least = std::min(least, s.cell[p] / s.d[p]);
        }
    }
    const Fd_Grid& g = s.grid;
    return least * g.dx * g.dx / g.alpha;
}

Time_Step_Study Study_Time_Steps(const Fd_Grid& g, double initial, int steps, int i, int j,
                                 const std::atomic<bool>* cancel) {
    Time_Step_Study r;
    const Node_System s(g);
    r.largest_stable = Largest_Positive_Time_Step(s);
    r.largest_checked = Largest_Stable_Time_Step(g);
    r.end_time = steps * g.dt;
    if (steps < 1) {
        r.message = "The run makes no time step.";
        return r;
    }
    if (static_cast<double>(g.Node_Count()) * steps * 14 > Time_Study_Work_Limit) {
        r.message = "The run is too large to repeat six times here.";
        return r;
    }
    const std::size_t p = g.At(i, g.Wall() ? 1 : j);
    for (int k = 0; k < 3; ++k) {
        const int f = 1 << k;
        r.dt[static_cast<std::size_t>(k)] = g.dt / f;
        r.explicit_stable[static_cast<std::size_t>(k)] = g.dt / f <= r.largest_stable;
        r.explicit_value[static_cast<std::size_t>(k)] =
            March(s, initial, g.dt / f, steps * f, false, cancel)[p];
        r.implicit_value[static_cast<std::size_t>(k)] =
            March(s, initial, g.dt / f, steps * f, true, cancel)[p];
    }
    if (Stopped(cancel)) {
        r.message = "Cancelled.";
        return r;
    }
    const auto& e = r.explicit_value;
    const auto& m = r.implicit_value;
    r.explicit_order = Observed_Order(e[0] - e[1], e[1] - e[2]);
    r.implicit_order = Observed_Order(m[0] - m[1], m[1] - m[2]);
    r.has_exact = Wall_Series_Value(g, initial, i, r.end_time, r.exact);
    r.ok = true;
    return r;
}

}  // namespace calorix
