#include "analysis/exact_solution.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <cmath>

namespace calorix {

Exact_Solution Solve_Node_Equations(const Fd_Grid& g) {
    Exact_Solution x;
    const std::size_t count = g.Node_Count();
    x.values.assign(count, 0.0);
    // Nodes held at a side temperature are known; the others are unknowns.
    std::vector<int> unknown(count, -1);
    std::vector<Node_Equation> eq;
    eq.reserve(count);
    int n = 0;
    bool anchored = false;
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            eq.push_back(Equation_At(g, i, j));
            const Node_Equation& e = eq.back();
            if (e.type == Node_Type::Fixed) {
                x.values[g.At(i, j)] = e.fixed_value;
                anchored = true;
            } else {
                unknown[g.At(i, j)] = n++;
                for (int s = 0; s < e.st_count; ++s) {
                    anchored |= e.st[static_cast<std::size_t>(s)].c != 0;
                }
            }
        }
    }
    if (!anchored) {
        x.message =
            "The node equations have no unique solution: no side holds a temperature "
            "or exchanges heat by convection, so any constant could be added to the "
            "field.";
        return x;
    }
    // Written as cell balances, conductances are the same both ways between
    // two nodes, so the matrix is symmetric; with no negative h it is also
    // positive definite, and a sparse Cholesky factorisation serves.
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(static_cast<std::size_t>(n) * 5);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(n);
    for (const Node_Equation& e : eq) {
        const int row = unknown[g.At(e.i, e.j)];
        if (row < 0) {
            continue;
        }
        double b = e.gen;
        for (int s = 0; s < e.st_count; ++s) {
            b += e.st[static_cast<std::size_t>(s)].s;
        }
        for (int k = 0; k < e.nb_count; ++k) {
            const Neighbour& nb = e.nb[static_cast<std::size_t>(k)];
            const int col = unknown[g.At(nb.i, nb.j)];
            if (col < 0) {
                b += nb.w * x.values[g.At(nb.i, nb.j)];
            } else {
                entries.emplace_back(row, col, -nb.w);
            }
        }
        entries.emplace_back(row, row, e.Diagonal());
        rhs(row) = b;
    }
    Eigen::SparseMatrix<double> a(n, n);
    a.setFromTriplets(entries.begin(), entries.end());
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(a);
    Eigen::VectorXd t;
    if (solver.info() == Eigen::Success) {
        t = solver.solve(rhs);
    }
    if (solver.info() != Eigen::Success || !t.allFinite()) {
        x.message = "The node equations could not be solved directly (the matrix is singular).";
        return x;
    }
    for (std::size_t p = 0; p < count; ++p) {
        if (unknown[p] >= 0) {
            x.values[p] = t(unknown[p]);
        }
    }
    x.solved = true;
    return x;
}

Field_Difference Largest_Difference(const Fd_Grid& g, const double* a, const double* b) {
    Field_Difference d;
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const double v = std::fabs(a[g.At(i, j)] - b[g.At(i, j)]);
            if (v > d.largest) {
                d = {v, i, j};
            }
        }
    }
    return d;
}

std::string Iteration_Error_Sentence(const Fd_Grid& g, int sweeps, const Field_Difference& d) {
    const std::string at = g.Wall() ? "at node " + std::to_string(d.i)
                                    : "at node " + std::to_string(d.i) + ", " + std::to_string(d.j);
    return "The Gauss-Seidel result after " + std::to_string(sweeps) +
           (sweeps == 1 ? " sweep" : " sweeps") +
           " differs from the exact solution of its equations by at most " +
           Equation_Number(d.largest) + " C (" + at + ").";
}

}  // namespace calorix
