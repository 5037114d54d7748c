#include "analysis/spectral_radius.h"

#include <Eigen/SparseCholesky>
#include <cmath>

#include "analysis/unknown_matrix.h"

namespace calorix {

using Sparse = Eigen::SparseMatrix<double>;

double Jacobi_Spectral_Radius(const Node_System& sys, const std::atomic<bool>* cancel) {
    const Unknown_Matrix u = Assemble_Unknowns(sys);
    const Sparse& a = u.a;
    if (a.rows() == 0) {
        return 0;
    }
    const Eigen::VectorXd d = a.diagonal();  // D
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
