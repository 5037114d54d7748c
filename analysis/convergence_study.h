#pragma once
// Everything the Convergence tab shows for one run, in parts that can each
// run on a thread of their own, off the interface thread: for a steady run
// the iteration methods against the direct solution and the grid
// refinement, for a transient run the time step study.
#include <atomic>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "analysis/convergence_iteration.h"
#include "analysis/convergence_refinement.h"
#include "analysis/convergence_time.h"
#include "analysis/direct_solve_cache.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix {

struct Convergence_Request {
    int kind = Kind_Steady_2D;
    double omega = 1.5;  // SOR's typed factor
    int i = 1, j = 1;    // the node studied
};

struct Convergence_Results {
    bool steady = true;
    std::string message;                           // why a part is missing
    std::shared_ptr<const Exact_Solution> direct;  // the run's, the iterations' target
    std::vector<Iteration_Trace> traces;           // Jacobi, Gauss-Seidel, SOR typed, SOR estimated
    double rho_jacobi = 0;
    bool rho_from_equations = false;  // else from the sweeps' measured decay
    double rho_gs_measured = 0;       // Gauss-Seidel's change per sweep, last sweeps
    double omega_estimated = 0;
    int sweep_limit = 0;
    Refinement_Study refinement;
    Time_Step_Study time;
};

// Stages done so far out of Convergence_Stages, for a progress bar: four
// of the iteration part, two of the refinement.
inline constexpr int Convergence_Stages = 6;

// The node at the middle of the run's grid.
void Centre_Node(const Fd_Grid& g, int& i, int& j);

// The steady parts, reading the run's direct solution from `cache`.  The
// iteration methods: Jacobi's trace is `jacobi`, which may be worked on
// another thread (Study_Jacobi) and is waited for when needed; without it
// it is run here.  Then the refinement.
Iteration_Trace Study_Jacobi(const Problem_Definition& p, Direct_Solve_Cache& cache,
                             std::atomic<int>* stage, const std::atomic<bool>* cancel);
void Study_Iteration_Methods(const Problem_Definition& p, Direct_Solve_Cache& cache, double omega,
                             Convergence_Results& r, std::atomic<int>* stage,
                             const std::atomic<bool>* cancel,
                             std::shared_future<Iteration_Trace> jacobi = {});
Refinement_Study Study_Grid_Refinement(const Problem_Definition& p, Direct_Solve_Cache& cache,
                                       const Convergence_Request& request, std::atomic<int>* stage,
                                       const std::atomic<bool>* cancel);
// The transient part.
Time_Step_Study Study_Time_Step(const Problem_Definition& p, const Result_Stores& stores,
                                const Convergence_Request& request,
                                const std::atomic<bool>* cancel);

// Node updates each of Jacobi and Gauss-Seidel may spend (the sweep limit of
// the study is this over the node count, at most the solver's 32767).
inline constexpr double Iteration_Work_Budget = 4e7;

const char* Method_Name(Iteration_Method m);

}  // namespace calorix
