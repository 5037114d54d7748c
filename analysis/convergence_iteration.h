#pragma once
// Iteration methods on a steady run's own node equations, side by side with
// the direct solution: Jacobi, Gauss-Seidel in the solver's sweep order and
// SOR (successive over-relaxation).  Each records, per sweep, the change the
// stop rule looks at (largest over the interior nodes) and the true error
// against the direct solution (largest over all nodes).
#include <atomic>
#include <string>
#include <vector>

#include "analysis/node_system.h"

namespace calorix {

enum class Iteration_Method { Jacobi, Gauss_Seidel, SOR };

struct Iteration_Limits {
    double change_tolerance = 1e-6;  // the solver's stop rule
    double error_tolerance = 0;      // stop once this close to the direct solution (0: never)
    int max_sweeps = 32767;
};

struct Iteration_Trace {
    Iteration_Method method = Iteration_Method::Gauss_Seidel;
    double omega = 1;
    int sweeps = 0;
    bool settled = false;  // the stop rule was met
    double seconds = 0;
    std::vector<double> change;  // per sweep, index sweep - 1
    std::vector<double> error;
    double Final_Error() const { return error.empty() ? 0 : error.back(); }
};

// Runs one method from the guess (held nodes at their temperature) until the
// stop rule, the error tolerance or the sweep limit.
Iteration_Trace Run_Iteration(const Node_System& sys, const std::vector<double>& exact,
                              double guess, Iteration_Method method, double omega,
                              const Iteration_Limits& limits,
                              const std::atomic<bool>* cancel = nullptr);

// Rate of geometric decay of a positive sequence over its last half (at most
// the last 400 entries): the spectral radius of the iteration, once its
// slowest mode dominates.  0 when there is too little to measure.
double Decay_Rate(const std::vector<double>& v);

// SOR's best factor for these equations from Gauss-Seidel's spectral radius
// (the Jacobi radius squared): 2 / (1 + sqrt(1 - rho_J^2)).
double Optimal_Omega(double rho_gauss_seidel);

// Why the stop rule's change per sweep is not the error.
std::string Stop_Rule_Sentence(double rho);

}  // namespace calorix
