#pragma once
// How fast Jacobi's iteration can close in on the answer of a run's node
// equations, from the equations themselves rather than from watching a few
// thousand sweeps: the sweeps of a large plate end long before only the
// slowest error mode is left, so their measured decay says too little.
#include <atomic>

#include "analysis/node_system.h"

namespace calorix {

// The spectral radius of the Jacobi iteration T <- D^-1 (b + W T) on the
// equations of `sys`, the held nodes known: 1 - lambda, with lambda the
// smallest eigenvalue of A x = lambda D x, A = D - W.  No link joins two
// nodes of the same colour of a chessboard, so the Jacobi matrix's
// eigenvalues come in pairs +mu, -mu and the largest magnitude is
// 1 - lambda.  0 when nothing is unknown, when the equations do not fix
// the temperature level, or when cancelled.
double Jacobi_Spectral_Radius(const Node_System& sys, const std::atomic<bool>* cancel = nullptr);

}  // namespace calorix
