#include "analysis/convergence_refinement.h"

#include <array>
#include <cmath>
#include <future>

#include "analysis/analytic_profile.h"
#include "analysis/exact_solution.h"

namespace calorix {

const char* const Wall_Face_Order_Sentence =
    "The wall's flux and convection faces balance their side against one conduction step and "
    "carry no share of the generation (the half cell at the face is left out), so each face "
    "misses g dx/2 of heat: an error that halves, not quarters, with the spacing - first order, "
    "where the interior equations alone would give second order.";

double Observed_Order(double coarse_minus_mid, double mid_minus_fine) {
    if (coarse_minus_mid == 0 || mid_minus_fine == 0 ||
        (coarse_minus_mid > 0) != (mid_minus_fine > 0)) {
        return 0;
    }
    return std::log2(coarse_minus_mid / mid_minus_fine);
}

namespace {

// Takes grid k's direct solution into the study; false (with the reason in
// the study's message) when there is none.
bool Take_Level(Refinement_Study& r, int k, Exact_Solution x, std::vector<double>& field,
                std::atomic<int>* stage) {
    const auto u = static_cast<std::size_t>(k);
    r.seconds[u] = x.seconds;
    if (!x.solved) {
        r.message = x.status == Direct_Status::Cancelled ? "Cancelled." : x.message;
        return false;
    }
    field = std::move(x.values);
    if (stage != nullptr) {
        stage->fetch_add(1);
    }
    return true;
}

}  // namespace

Refinement_Study Study_Refinement(const Problem_Definition& p, int kind, int nx, int ny, int i,
                                  int j, const std::atomic<bool>* cancel,
                                  const std::vector<double>* coarse, std::atomic<int>* stage) {
    Refinement_Study r;
    r.i = i;
    r.j = kind == Kind_Steady_1D ? 1 : j;
    int fit = 0;  // grids small enough to solve here
    for (int k = 0; k < 3; ++k) {
        const int f = 1 << k;  // nodes of the finer grid per coarse node step
        Problem_Definition q = p;
        q.Grid_Size = p.Grid_Size / f;
        const int fx = f * (nx - 1) + 1;
        const int fy = kind == Kind_Steady_1D ? 1 : f * (ny - 1) + 1;
        r.grids[static_cast<std::size_t>(k)] = Make_Grid(q, kind, fx, fy);
        if (static_cast<std::size_t>(fx) * static_cast<std::size_t>(fy) > Refinement_Node_Limit) {
            r.message = "The grid of " + std::to_string(fx) + " x " + std::to_string(fy) +
                        " nodes is too large to solve here.";
            break;
        }
        fit = k + 1;
    }
    // The finest grid, the longest solve by far, is worked on a thread of
    // its own while the middle one is solved here.
    std::future<Exact_Solution> finest;
    if (fit == 3) {
        finest = std::async(std::launch::async,
                            [&r, cancel] { return Solve_Node_Equations(r.grids[2], cancel); });
    }
    std::array<std::vector<double>, 3> fields;
    for (int k = 0; k < fit; ++k) {
        const auto u = static_cast<std::size_t>(k);
        if (k == 0 && coarse != nullptr) {
            fields[0] = *coarse;
        } else if (!Take_Level(r, k,
                               k == 2 ? finest.get() : Solve_Node_Equations(r.grids[u], cancel),
                               fields[u], k > 0 ? stage : nullptr)) {
            return r;
        }
        const int f = 1 << k;
        r.value[u] = fields[u][r.grids[u].At(f * (r.i - 1) + 1, f * (r.j - 1) + 1)];
        r.levels = k + 1;
    }
    // Differences at every coarse node between successive grids.
    for (int k = 0; k + 1 < r.levels; ++k) {
        const int f = 1 << k;
        const Fd_Grid& a = r.grids[static_cast<std::size_t>(k)];
        const Fd_Grid& b = r.grids[static_cast<std::size_t>(k + 1)];
        double largest = 0;
        for (int ci = 1; ci <= nx; ++ci) {
            for (int cj = 1; cj <= (kind == Kind_Steady_1D ? 1 : ny); ++cj) {
                const double va =
                    fields[static_cast<std::size_t>(k)][a.At(f * (ci - 1) + 1, f * (cj - 1) + 1)];
                const double vb = fields[static_cast<std::size_t>(k + 1)]
                                        [b.At(2 * f * (ci - 1) + 1, 2 * f * (cj - 1) + 1)];
                largest = std::max(largest, std::fabs(va - vb));
            }
        }
        r.largest[static_cast<std::size_t>(k)] = largest;
    }
    if (r.levels == 3) {
        r.order = Observed_Order(r.value[0] - r.value[1], r.value[1] - r.value[2]);
        r.global_order = Observed_Order(r.largest[0], r.largest[1]);
        if (r.order > 0) {
            r.richardson = r.value[2] + (r.value[2] - r.value[1]) / (std::exp2(r.order) - 1.0);
        }
    }
    if (kind == Kind_Steady_1D) {
        const Analytic_Profile a = Wall_Profile(r.grids[0]);
        if (a.unique) {
            r.has_exact = true;
            r.exact = a.At((r.i - 1) * r.grids[0].dx);
            for (int k = 0; k < r.levels; ++k) {
                r.exact_error[static_cast<std::size_t>(k)] =
                    r.value[static_cast<std::size_t>(k)] - r.exact;
            }
        }
    }
    r.ok = r.levels >= 2;
    return r;
}

}  // namespace calorix
