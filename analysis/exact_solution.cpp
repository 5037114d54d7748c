#include "analysis/exact_solution.h"

#include <malloc.h>

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

#include "analysis/node_system.h"

namespace calorix {

namespace {

using Sparse = Eigen::SparseMatrix<double>;
using Permutation = Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int>;
// The matrix comes to the factorisation already reordered and as its upper
// triangle, so that the factorisation works on it without a copy of its own.
using Factor = Eigen::SimplicialLDLT<Sparse, Eigen::Upper, Eigen::NaturalOrdering<int>>;

// A correction smaller than this part of the largest temperature (or of
// 1 C) leaves the answer as good as the data: far below the iteration's
// 1e-6 C tolerance.
constexpr double Refine_Tolerance = 1e-8;

bool Stopped(const std::atomic<bool>* cancel) {
    return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// The unknowns, numbered in store order, and where each lies.
struct Numbering {
    std::vector<int> unknown;  // per node: its unknown, -1 when held
    std::vector<int> node;     // per unknown: its node (store position)
};

// The links of unknown `col` to the other unknowns, as (unknown, -w), and
// its diagonal; links to held nodes go into `b`.  The neighbours come in
// store order: west, north, south, east.
int Column_Links(const Fd_Grid& g, const Numbering& num, int col,
                 std::array<std::pair<int, double>, 5>& out, double& b) {
    const std::size_t p = static_cast<std::size_t>(num.node[static_cast<std::size_t>(col)]);
    const int i = static_cast<int>(p / static_cast<std::size_t>(g.ny)) + 1;
    const int j = static_cast<int>(p % static_cast<std::size_t>(g.ny)) + 1;
    const Node_Stencil s = Stencil_At(g, i, j);
    b = s.b;
    int count = 0;
    auto link = [&](bool exists, int di, int dj, double w) {
        if (!exists || w == 0) {
            return;
        }
        const std::size_t q = g.At(i + di, j + dj);
        const int u = num.unknown[q];
        if (u < 0) {
            b += w * Stencil_At(g, i + di, j + dj).value;
        } else {
            out[static_cast<std::size_t>(count++)] = {u, -w};
        }
    };
    link(i > 1, -1, 0, s.w[Dir_West]);
    link(j > 1, 0, -1, s.w[Dir_North]);
    out[static_cast<std::size_t>(count++)] = {col, s.d};
    link(j < g.ny, 0, 1, s.w[Dir_South]);
    link(i < g.nx, 1, 0, s.w[Dir_East]);
    return count;
}

// An ordering that keeps the factor small (approximate minimum degree),
// from the pattern of the whole symmetric matrix.  Returns P^-1, which maps
// a position in the new order to its unknown.
Permutation Fill_Reducing_Order(const Fd_Grid& g, const Numbering& num) {
    const int n = static_cast<int>(num.node.size());
    Sparse full(n, n);
    full.reserve(5 * static_cast<Eigen::Index>(n));
    std::array<std::pair<int, double>, 5> links;
    double b = 0;
    for (int col = 0; col < n; ++col) {
        full.startVec(col);
        const int m = Column_Links(g, num, col, links, b);
        for (int k = 0; k < m; ++k) {
            full.insertBack(links[static_cast<std::size_t>(k)].first, col) =
                links[static_cast<std::size_t>(k)].second;
        }
    }
    full.finalize();
    Permutation inverse;
    Eigen::AMDOrdering<int>()(full, inverse);
    return inverse;
}

// The upper triangle of P A P^T, built column by column in the new order
// with its rows sorted.
void Assemble(const Fd_Grid& g, const Numbering& num, const Permutation& inverse, Sparse& a) {
    const int n = static_cast<int>(num.node.size());
    const Permutation p = inverse.inverse();
    a.resize(n, n);
    a.reserve(3 * static_cast<Eigen::Index>(n));
    std::array<std::pair<int, double>, 5> links;
    double b = 0;
    for (int c = 0; c < n; ++c) {
        a.startVec(c);
        const int m = Column_Links(g, num, inverse.indices()(c), links, b);
        // At most five entries: sorted by insertion as they are kept.
        std::array<std::pair<int, double>, 5> kept;
        std::size_t count = 0;
        for (int k = 0; k < m; ++k) {
            const auto& [unknown, value] = links[static_cast<std::size_t>(k)];
            const int row = p.indices()(unknown);
            if (row > c) {
                continue;
            }
            std::size_t at = count++;
            for (; at > 0 && kept[at - 1].first > row; --at) {
                kept[at] = kept[at - 1];
            }
            kept[at] = {row, value};
        }
        for (std::size_t k = 0; k < count; ++k) {
            a.insertBack(kept[k].first, c) = kept[k].second;
        }
    }
    a.finalize();
}

// What each unknown's equation still asks of the field `t` (store layout),
// in the factor's order: b + sum of w T(neighbour) - d T.  With the held
// nodes at their temperatures and the unknowns at 0 it is the right-hand
// side of the system.  Worked from the node coefficients, it needs no
// matrix kept beside the factor.
void Residual(const Fd_Grid& g, const Numbering& num, const Permutation& inverse,
              const std::vector<double>& t, Eigen::VectorXd& r) {
    const int n = static_cast<int>(num.node.size());
    r.resize(n);
    const std::size_t ny = static_cast<std::size_t>(g.ny);
    for (int c = 0; c < n; ++c) {
        const std::size_t p =
            static_cast<std::size_t>(num.node[static_cast<std::size_t>(inverse.indices()(c))]);
        const int i = static_cast<int>(p / ny) + 1;
        const int j = static_cast<int>(p % ny) + 1;
        const Node_Stencil s = Stencil_At(g, i, j);
        double sum = s.b;
        // The neighbours in the order the matrix's column lists them.
        auto add = [&](bool exists, int di, int dj, double w) {
            if (exists && w != 0) {
                sum += w * t[g.At(i + di, j + dj)];
            }
        };
        add(i > 1, -1, 0, s.w[Dir_West]);
        add(j > 1, 0, -1, s.w[Dir_North]);
        add(j < g.ny, 0, 1, s.w[Dir_South]);
        add(i < g.nx, 1, 0, s.w[Dir_East]);
        r(c) = sum - s.d * t[p];
    }
}

// Puts the unknowns of `t` (the factor's order) into the field `values`.
void Scatter(const Numbering& num, const Permutation& inverse, const Eigen::VectorXd& t,
             std::vector<double>& values) {
    for (Eigen::Index c = 0; c < t.size(); ++c) {
        values[static_cast<std::size_t>(num.node[static_cast<std::size_t>(inverse.indices()(c))])] =
            t(c);
    }
}

// One step of iterative refinement with the factor already made: the
// correction the residual of `t` asks for is added to `t` (and to the
// field `values`, which holds `t` on entry); returns its size.
double Refine(const Fd_Grid& g, const Numbering& num, const Permutation& inverse, const Factor& f,
              Eigen::VectorXd& t, Eigen::VectorXd& r, std::vector<double>& values) {
    Residual(g, num, inverse, values, r);
    const Eigen::VectorXd delta = f.solve(r);
    t += delta;
    Scatter(num, inverse, t, values);
    return delta.allFinite() ? delta.lpNorm<Eigen::Infinity>()
                             : std::numeric_limits<double>::infinity();
}

std::string Ill_Conditioned_Message(double correction) {
    return "The node equations are too ill-conditioned to solve directly: after one refinement "
           "their residual still moves the answer by up to " +
           Equation_Number(correction) +
           " C (a convection side whose h is tiny beside the conduction barely fixes the "
           "temperature level).  The direct solution cannot judge the iteration here.";
}

// Nodes held at a side temperature are known; the others are unknowns.
// False when nothing fixes the temperature level (no held node and no
// convection).
bool Number_Unknowns(const Fd_Grid& g, Numbering& num) {
    num.unknown.assign(g.Node_Count(), -1);
    bool anchored = false;
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const Node_Stencil s = Stencil_At(g, i, j);
            if (s.fixed) {
                anchored = true;
            } else {
                num.unknown[g.At(i, j)] = static_cast<int>(num.node.size());
                num.node.push_back(static_cast<int>(g.At(i, j)));
                anchored |= s.c != 0;
            }
        }
    }
    return anchored;
}

// Writes the held nodes' temperatures into `values`; returns the largest
// magnitude among them.
double Place_Held_Values(const Fd_Grid& g, std::vector<double>& values) {
    double largest = 0;
    for (int i = 1; i <= g.nx; ++i) {
        for (int j = 1; j <= g.ny; ++j) {
            const Node_Stencil s = Stencil_At(g, i, j);
            if (s.fixed) {
                values[g.At(i, j)] = s.value;
                largest = std::max(largest, std::fabs(s.value));
            }
        }
    }
    return largest;
}

Exact_Solution Solve_Untimed(const Fd_Grid& g, const std::atomic<bool>* cancel) {
    Exact_Solution x;
    const std::size_t count = g.Node_Count();
    Numbering num;
    if (!Number_Unknowns(g, num)) {
        x.status = Direct_Status::No_Unique;
        x.message =
            "The node equations have no unique solution: no side holds a temperature "
            "or exchanges heat by convection, so any constant could be added to the "
            "field.";
        return x;
    }
    // Written as cell balances, conductances are the same both ways between
    // two nodes, so the matrix is symmetric; with no negative h it is also
    // positive definite, and a sparse Cholesky factorisation serves.
    const int n = static_cast<int>(num.node.size());
    const Permutation inverse = Fill_Reducing_Order(g, num);
    if (Stopped(cancel)) {
        x.status = Direct_Status::Cancelled;
        return x;
    }
    Sparse a;
    Assemble(g, num, inverse, a);
    // What the factorisation needs no more is given back before it runs.
    std::vector<int>().swap(num.unknown);
    // The ordering's work space went back to the allocator in pieces that
    // it keeps for itself unless asked.  The factor's arrays, the largest
    // allocation of the solve, are placed first (the analysis reserves
    // them), so that they reuse what is already in memory; then the rest is
    // handed back before the factorisation fills them.
    Factor f;
    f.analyzePattern(a);
    malloc_trim(0);
    f.factorize(a);
    // The factor is all the solve needs of the matrix from here on.
    Sparse().swap(a);
    x.values.assign(count, 0.0);
    double largest = std::max(1.0, Place_Held_Values(g, x.values));
    Eigen::VectorXd t, r;
    if (f.info() == Eigen::Success && !Stopped(cancel)) {
        Residual(g, num, inverse, x.values, r);
        t = f.solve(r);
    }
    if (Stopped(cancel)) {
        x = Exact_Solution();
        x.status = Direct_Status::Cancelled;
        return x;
    }
    if (f.info() != Eigen::Success || !t.allFinite()) {
        x = Exact_Solution();
        x.message = "The node equations could not be solved directly (the matrix is singular).";
        return x;
    }
    const auto& l = f.matrixL().nestedExpression();
    // L's values, row indices and column starts, D, and the elimination
    // tree and column counts the factorisation keeps.
    x.factor_bytes = static_cast<std::size_t>(l.nonZeros()) * (sizeof(double) + sizeof(int)) +
                     static_cast<std::size_t>(n) * (sizeof(double) + 3 * sizeof(int));
    Scatter(num, inverse, t, x.values);
    largest = std::max(largest, t.lpNorm<Eigen::Infinity>());
    const double tolerance = Refine_Tolerance * largest;
    x.status = Direct_Status::Solved;
    x.correction = Refine(g, num, inverse, f, t, r, x.values);
    if (!(x.correction <= tolerance)) {
        // A large correction: the factor's answer was poor.  Once refined,
        // the next correction says whether the refined answer can be trusted.
        x.status = Direct_Status::Refined;
        x.correction = Refine(g, num, inverse, f, t, r, x.values);
        if (!(x.correction <= tolerance)) {
            x.status = Direct_Status::Ill_Conditioned;
            x.message = Ill_Conditioned_Message(x.correction);
            std::vector<double>().swap(x.values);
            return x;
        }
    }
    x.solved = true;
    return x;
}

}  // namespace

Exact_Solution Solve_Node_Equations(const Fd_Grid& g, const std::atomic<bool>* cancel) {
    const auto start = std::chrono::steady_clock::now();
    Exact_Solution x = Solve_Untimed(g, cancel);
    x.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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

std::string Direct_Result_Sentence() {
    return "Gauss-Seidel did not settle within 32767 sweeps; the values shown are the direct "
           "solution of the node equations, so there is no iteration error to judge.";
}

}  // namespace calorix
