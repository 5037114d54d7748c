#pragma once
// The node equations of the nodes that are not held, as one sparse matrix
// for Eigen: what an implicit time step and the spectral radius of the
// iteration both solve with.
#include <Eigen/SparseCore>
#include <vector>

#include "analysis/node_system.h"

namespace calorix {

struct Unknown_Matrix {
    std::vector<int> number;        // each node's unknown number, -1 when held
    Eigen::SparseMatrix<double> a;  // (cell/F + d) on the diagonal, -w off it
    Eigen::VectorXd known;          // b plus w times each held neighbour's value
};

// `f` is the grid Fourier number of an implicit time step, whose equations
// carry cell/F T' on the left; 0 gives the steady equations d T - sum w T_n.
Unknown_Matrix Assemble_Unknowns(const Node_System& s, double f = 0);

}  // namespace calorix
