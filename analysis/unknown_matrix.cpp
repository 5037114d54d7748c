#include "analysis/unknown_matrix.h"

namespace calorix {

Unknown_Matrix Assemble_Unknowns(const Node_System& s, double f) {
    Unknown_Matrix u;
    const std::size_t n = s.Size();
    u.number.assign(n, -1);
    int m = 0;
    for (std::size_t p = 0; p < n; ++p) {
        if (s.fixed[p] == 0) {
            u.number[p] = m++;
        }
    }
    u.known = Eigen::VectorXd::Zero(m);
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(5 * static_cast<std::size_t>(m));
    for (std::size_t p = 0; p < n; ++p) {
        const int row = u.number[p];
        if (row < 0) {
            continue;
        }
        entries.emplace_back(row, row, f > 0 ? s.cell[p] / f + s.d[p] : s.d[p]);
        u.known(row) = s.b[p];
        for (int k = 0; k < 4; ++k) {
            if (s.w[k][p] == 0) {
                continue;
            }
            const auto q = static_cast<std::size_t>(s.Neighbour(static_cast<long>(p), k));
            if (u.number[q] < 0) {
                u.known(row) += s.w[k][p] * s.b[q];
            } else {
                entries.emplace_back(row, u.number[q], -s.w[k][p]);
            }
        }
    }
    u.a.resize(m, m);
    u.a.setFromTriplets(entries.begin(), entries.end());
    return u;
}

}  // namespace calorix
