#include "analysis/spectral_radius.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <cmath>
#include <vector>

namespace calorix {

namespace {

using Sparse = Eigen::SparseMatrix<double>;

// A = D - W over the unknown nodes (those not held), numbered in store
// order into `unknown`; D's diagonal into `d`.  Returns the unknown count.
int Assemble_Unknowns(const Node_System& sys, std::vector<int>& unknown, Sparse& a,
                      Eigen::VectorXd& d) {
    const std::size_t n = sys.Size();
    unknown.assign(n, -1);
    int m = 0;
    for (std::size_t p = 0; p < n; ++p) {
        if (sys.fixed[p] == 0) {
            unknown[p] = m++;
        }
    }
    const long stride = sys.grid.Wall() ? 1 : sys.grid.ny;
    const long step[4] = {-stride, stride, -1, 1};  // west, east, north, south
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(5 * static_cast<std::size_t>(m));
    d.resize(m);
    for (std::size_t p = 0; p < n; ++p) {
        const int row = unknown[p];
        if (row < 0) {
            continue;
        }
        d(row) = sys.d[p];
        entries.emplace_back(row, row, sys.d[p]);
        for (int k = 0; k < 4; ++k) {
            if (sys.w[k][p] == 0) {
                continue;
            }
            const int col = unknown[static_cast<std::size_t>(static_cast<long>(p) + step[k])];
            if (col >= 0) {
                entries.emplace_back(row, col, -sys.w[k][p]);
            }
        }
    }
    a.resize(m, m);
    a.setFromTriplets(entries.begin(), entries.end());
    return m;
}

}  // namespace

double Jacobi_Spectral_Radius(const Node_System& sys, const std::atomic<bool>* cancel) {
    std::vector<int> unknown;
    Sparse a;
    Eigen::VectorXd d;
    if (Assemble_Unknowns(sys, unknown, a, d) == 0) {
        return 0;
    }
    const Eigen::SimplicialLDLT<Sparse> factor(a);
    if (factor.info() != Eigen::Success) {
        return 0;
    }
    // Inverse iteration: each solve of A z = D x multiplies the slowest
    // mode's share by 1/lambda_1 against 1/lambda_2 for the next, and the
    // Rayleigh quotient z'Az / z'Dz = z'Dx / z'Dz is right to the square of
    // that share.  The slowest mode is positive everywhere, as the start is.
    Eigen::VectorXd x = Eigen::VectorXd::Ones(a.rows());
    double lambda = 0;
    for (int pass = 0; pass < 200; ++pass) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            return 0;
        }
        const Eigen::VectorXd dx = d.cwiseProduct(x);
        const Eigen::VectorXd z = factor.solve(dx);
        const double zdz = z.dot(d.cwiseProduct(z));
        const double next = z.dot(dx) / zdz;
        if (!std::isfinite(next) || !(zdz > 0)) {
            return 0;  // nothing fixes the level: A is singular
        }
        x = z / std::sqrt(zdz);
        const bool settled = pass > 0 && std::fabs(next - lambda) <= 1e-14 * next;
        lambda = next;
        if (settled) {
            break;
        }
    }
    return lambda > 0 && lambda <= 1 ? 1 - lambda : 0;
}

}  // namespace calorix
