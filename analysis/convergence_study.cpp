#include "analysis/convergence_study.h"

#include <algorithm>
#include <cmath>

#include "analysis/exact_solution.h"
#include "analysis/spectral_radius.h"

namespace calorix {

namespace {

void Advance(std::atomic<int>* stage) {
    if (stage != nullptr) {
        stage->fetch_add(1);
    }
}

// The solver's stop rule, and as many sweeps as the work budget allows.
Iteration_Limits Study_Limits(const Fd_Grid& g) {
    Iteration_Limits limits;
    limits.max_sweeps = static_cast<int>(
        std::clamp(Iteration_Work_Budget / static_cast<double>(g.Node_Count()), 50.0, 32767.0));
    return limits;
}

}  // namespace

const char* Method_Name(Iteration_Method m) {
    switch (m) {
        case Iteration_Method::Jacobi:
            return "Jacobi";
        case Iteration_Method::Gauss_Seidel:
            return "Gauss-Seidel";
        default:
            return "SOR";
    }
}

void Centre_Node(const Fd_Grid& g, int& i, int& j) {
    i = (g.nx + 1) / 2;
    j = (g.ny + 1) / 2;
}

Iteration_Trace Study_Jacobi(const Problem_Definition& p, Direct_Solve_Cache& cache,
                             std::atomic<int>* stage, const std::atomic<bool>* cancel) {
    Iteration_Trace t;
    t.method = Iteration_Method::Jacobi;
    const std::shared_ptr<const Exact_Solution> x = cache.Get(cancel);
    if (x != nullptr && x->solved) {
        t = Run_Iteration(Node_System(cache.Grid()), x->values, p.Guess_Temp,
                          Iteration_Method::Jacobi, 1, Study_Limits(cache.Grid()), cancel);
    }
    Advance(stage);
    return t;
}

void Study_Iteration_Methods(const Problem_Definition& p, Direct_Solve_Cache& cache, double omega,
                             Convergence_Results& r, std::atomic<int>* stage,
                             const std::atomic<bool>* cancel,
                             std::shared_future<Iteration_Trace> jacobi) {
    if (!jacobi.valid()) {
        jacobi = std::async(std::launch::deferred, [&] {
                     return Study_Jacobi(p, cache, stage, cancel);
                 }).share();
    }
    const Fd_Grid& g = cache.Grid();
    r.direct = cache.Get(cancel);
    Advance(stage);
    if (r.direct == nullptr || !r.direct->solved) {
        r.message = r.direct == nullptr ? "Cancelled." : r.direct->message;
        return;
    }
    const std::vector<double>& exact = r.direct->values;
    const Node_System sys(g);
    const Iteration_Limits limits = Study_Limits(g);
    r.sweep_limit = limits.max_sweeps;
    const double guess = p.Guess_Temp;
    const Iteration_Trace gs =
        Run_Iteration(sys, exact, guess, Iteration_Method::Gauss_Seidel, 1, limits, cancel);
    Advance(stage);
    // rho_J from the equations' slowest mode; Gauss-Seidel's rate is about
    // its square.  Only if that cannot be had, from the sweeps' own decay
    // (Jacobi's, when Gauss-Seidel settled too soon to show one).
    r.rho_gs_measured = Decay_Rate(gs.change);
    r.rho_jacobi = Jacobi_Spectral_Radius(sys, cancel);
    r.rho_from_equations = r.rho_jacobi > 0;
    if (!r.rho_from_equations) {
        double rho_gs = r.rho_gs_measured;
        if (!(rho_gs > 0)) {
            const double rj = Decay_Rate(jacobi.get().change);
            rho_gs = rj * rj;
        }
        r.rho_jacobi = std::sqrt(rho_gs);
    }
    r.omega_estimated = Optimal_Omega(r.rho_jacobi * r.rho_jacobi);
    Iteration_Trace typed =
        Run_Iteration(sys, exact, guess, Iteration_Method::SOR, omega, limits, cancel);
    Iteration_Trace best =
        Run_Iteration(sys, exact, guess, Iteration_Method::SOR, r.omega_estimated, limits, cancel);
    Advance(stage);
    r.traces = {jacobi.get(), gs, std::move(typed), std::move(best)};
}

Refinement_Study Study_Grid_Refinement(const Problem_Definition& p, Direct_Solve_Cache& cache,
                                       const Convergence_Request& request, std::atomic<int>* stage,
                                       const std::atomic<bool>* cancel) {
    const Fd_Grid& g = cache.Grid();
    const std::shared_ptr<const Exact_Solution> x = cache.Get(cancel);
    if (x == nullptr || !x->solved) {
        Refinement_Study r;
        r.message = x == nullptr ? "Cancelled." : x->message;
        return r;
    }
    return Study_Refinement(p, request.kind, g.nx, g.ny, request.i, request.j, cancel, &x->values,
                            stage);
}

Time_Step_Study Study_Time_Step(const Problem_Definition& p, const Result_Stores& stores,
                                const Convergence_Request& request,
                                const std::atomic<bool>* cancel) {
    const Fd_Grid g = Run_Grid(p, stores, request.kind);
    const int steps = request.kind == Kind_Transient_1D
                          ? Last_Level(stores, request.kind) - First_Level(request.kind)
                          : Last_Level(stores, request.kind);
    return Study_Time_Steps(g, p.Initial_Temp, steps, request.i, request.j, cancel);
}

}  // namespace calorix
