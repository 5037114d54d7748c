#pragma once
// A plane of Nx x Ny nodes stored anti-diagonal by anti-diagonal: the nodes
// (i, j) with the same i + j = d lie next to each other, in order of i.
//
// A Gauss-Seidel sweep that goes column by column (i outer, j inner) gives
// node (i, j) the new values of its west (i-1, j) and north (i, j-1)
// neighbours and the old values of its east (i+1, j) and south (i, j+1)
// ones.  The west and north neighbours lie on diagonal d - 1, the east and
// south ones on d + 1, and no two nodes of one diagonal depend on each other.
// Sweeping diagonal after diagonal therefore gives every node exactly the
// neighbour values the column order gives it, while the nodes of a diagonal
// can be computed side by side; in this layout the west, north, east and
// south neighbours of consecutive nodes are consecutive too, so several
// nodes go through the same vector instructions.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace calorix {

class Diagonal_Plane {
  public:
    void Dimension(int nx, int ny) {
        nx_ = nx;
        ny_ = ny;
        origin_.assign(static_cast<std::size_t>(nx + ny + 2), 0);
        // One unused element in front keeps every origin at or after the start.
        std::ptrdiff_t base = 1;
        for (int d = 2; d <= nx + ny; ++d) {
            origin_[static_cast<std::size_t>(d)] = base - First(d);
            base += Last(d) - First(d) + 1;
        }
        values_.assign(static_cast<std::size_t>(base), 0.0);
    }
    int Nx() const { return nx_; }
    int Ny() const { return ny_; }
    // The first and last i on diagonal d.
    int First(int d) const { return std::max(1, d - ny_); }
    int Last(int d) const { return std::min(nx_, d - 1); }
    // Node (i, d - i) of diagonal d is Data()[Origin(d) + i].
    std::ptrdiff_t Origin(int d) const { return origin_[static_cast<std::size_t>(d)]; }
    const std::ptrdiff_t* Origins() const { return origin_.data(); }
    double* Data() { return values_.data(); }
    const double* Data() const { return values_.data(); }
    std::size_t Size() const { return values_.size(); }
    double& operator()(int i, int j) { return values_[Index(i, j)]; }
    double operator()(int i, int j) const { return values_[Index(i, j)]; }

    void Fill(double v) { std::fill(values_.begin(), values_.end(), v); }
    // From and to a plane laid out column by column (element (i-1) Ny + j-1).
    void Load(const double* columns) {
        for (int i = 1; i <= nx_; ++i) {
            const double* c = columns + static_cast<std::size_t>(i - 1) * ny_;
            for (int j = 1; j <= ny_; ++j) {
                values_[Index(i, j)] = c[j - 1];
            }
        }
    }
    void Store(double* columns) const {
        for (int i = 1; i <= nx_; ++i) {
            double* c = columns + static_cast<std::size_t>(i - 1) * ny_;
            for (int j = 1; j <= ny_; ++j) {
                c[j - 1] = values_[Index(i, j)];
            }
        }
    }

  private:
    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(origin_[static_cast<std::size_t>(i + j)] + i);
    }
    int nx_ = 0;
    int ny_ = 0;
    std::vector<std::ptrdiff_t> origin_;
    std::vector<double> values_;
};

}  // namespace calorix
