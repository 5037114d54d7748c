#pragma once
// Everything the Convergence tab shows for one run, computed in one call
// that can run off the interface thread: for a steady run the iteration
// methods against the direct solution and the grid refinement, for a
// transient run the time step study.
#include <atomic>
#include <string>
#include <vector>

#include "analysis/convergence_iteration.h"
#include "analysis/convergence_refinement.h"
#include "analysis/convergence_time.h"
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
    std::string message;  // why a part is missing
    double direct_seconds = 0;
    std::vector<Iteration_Trace> traces;  // Jacobi, Gauss-Seidel, SOR typed, SOR estimated
    double rho_jacobi = 0;
    double omega_estimated = 0;
    int sweep_limit = 0;
    Refinement_Study refinement;
    Time_Step_Study time;
};

// Stages done so far out of Convergence_Stages, for a progress bar.
inline constexpr int Convergence_Stages = 6;

// The node at the middle of the run's grid.
void Centre_Node(const Fd_Grid& g, int& i, int& j);

Convergence_Results Study_Convergence(const Problem_Definition& p, const Result_Stores& stores,
                                      const Convergence_Request& request, std::atomic<int>* stage,
                                      const std::atomic<bool>* cancel);

// Node updates each of Jacobi and Gauss-Seidel may spend (the sweep limit of
// the study is this over the node count, at most the solver's 32767).
inline constexpr double Iteration_Work_Budget = 4e7;

const char* Method_Name(Iteration_Method m);

}  // namespace calorix
