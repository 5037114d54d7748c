#include "analysis/convergence_study.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "analysis/exact_solution.h"

namespace calorix {

namespace {

void Advance(std::atomic<int>* stage) {
    if (stage != nullptr) {
        stage->fetch_add(1);
    }
}

void Study_Iterations(const Fd_Grid& g, double guess, double omega, Convergence_Results& r,
                      std::atomic<int>* stage, const std::atomic<bool>* cancel) {
    const auto start = std::chrono::steady_clock::now();
    const Exact_Solution x = Solve_Node_Equations(g, cancel);
    r.direct_seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Advance(stage);
    if (!x.solved) {
        r.message = x.message;
        return;
    }
    const Node_System sys(g);
    Iteration_Limits limits;
    r.sweep_limit = static_cast<int>(
        std::clamp(Iteration_Work_Budget / static_cast<double>(g.Node_Count()), 50.0, 32767.0));
    limits.max_sweeps = r.sweep_limit;
    r.traces.push_back(
        Run_Iteration(sys, x.values, guess, Iteration_Method::Jacobi, 1, limits, cancel));
    Advance(stage);
    r.traces.push_back(
        Run_Iteration(sys, x.values, guess, Iteration_Method::Gauss_Seidel, 1, limits, cancel));
    Advance(stage);
    // Gauss-Seidel's decay gives rho_J^2; Jacobi's, when Gauss-Seidel
    // settled too soon to show it, rho_J.
    double rho_gs = Decay_Rate(r.traces[1].change);
    if (!(rho_gs > 0)) {
        const double rj = Decay_Rate(r.traces[0].change);
        rho_gs = rj * rj;
    }
    r.rho_jacobi = std::sqrt(rho_gs);
    r.omega_estimated = Optimal_Omega(rho_gs);
    r.traces.push_back(
        Run_Iteration(sys, x.values, guess, Iteration_Method::SOR, omega, limits, cancel));
    r.traces.push_back(Run_Iteration(sys, x.values, guess, Iteration_Method::SOR, r.omega_estimated,
                                     limits, cancel));
    Advance(stage);
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

Convergence_Results Study_Convergence(const Problem_Definition& p, const Result_Stores& stores,
                                      const Convergence_Request& request, std::atomic<int>* stage,
                                      const std::atomic<bool>* cancel) {
    Convergence_Results r;
    const Fd_Grid g = Run_Grid(p, stores, request.kind);
    r.steady = !g.Transient();
    if (!r.steady) {
        const int steps = request.kind == Kind_Transient_1D
                              ? Last_Level(stores, request.kind) - First_Level(request.kind)
                              : Last_Level(stores, request.kind);
        r.time = Study_Time_Steps(g, p.Initial_Temp, steps, request.i, request.j, cancel);
        if (stage != nullptr) {
            stage->store(Convergence_Stages);
        }
        return r;
    }
    Study_Iterations(g, p.Guess_Temp, request.omega, r, stage, cancel);
    if (cancel != nullptr && cancel->load()) {
        return r;
    }
    r.refinement = Study_Refinement(p, request.kind, g.nx, g.ny, request.i, request.j, cancel);
    if (stage != nullptr) {
        stage->store(Convergence_Stages);
    }
    return r;
}

}  // namespace calorix
