#pragma once
// Contiguous node arrays addressed by the 1-based node numbers of the finite
// difference grid.  Only the nodes a solver uses are allocated: node i of a
// line is element i-1; node (i, j) of a plane is element (i-1)*Ny + (j-1), so
// the inner j loop of every sweep walks memory in order.  Indexing is not
// checked in release builds (the run driver proves the bounds before it
// allocates); debug builds assert.
#include <cassert>
#include <cstddef>
#include <memory>
#include <vector>

namespace calorix {

// Storage for a history that its solver writes in full before anything
// reads it.  Dimensioning does not fill it: for a long 2-D run, filling
// hundreds of megabytes with zeros that the first time step overwrites
// anyway would take most of the run.  The block of the previous run is kept
// when the new run fits in it and would not leave more than half of it idle,
// so a repeated run does not pay for fresh pages either.  Throws
// std::bad_alloc when the block cannot be had.
class Unfilled_Doubles {
  public:
    void Resize(std::size_t n);
    std::size_t Size() const { return size_; }
    double* Data() { return values_.get(); }
    const double* Data() const { return values_.get(); }
    double& operator[](std::size_t k) { return values_[k]; }
    double operator[](std::size_t k) const { return values_[k]; }

  private:
    struct Release {
        void operator()(double* p) const;
    };
    std::unique_ptr<double[], Release> values_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

class Node_Line {
  public:
    void Dimension(int n) { values_.assign(static_cast<std::size_t>(n), 0.0); }
    int Count() const { return static_cast<int>(values_.size()); }
    double& operator()(int i) {
        assert(i >= 1 && i <= Count());
        return values_[static_cast<std::size_t>(i - 1)];
    }
    double operator()(int i) const {
        assert(i >= 1 && i <= Count());
        return values_[static_cast<std::size_t>(i - 1)];
    }
    double* Data() { return values_.data(); }
    const double* Data() const { return values_.data(); }

  private:
    std::vector<double> values_;
};

class Node_Plane {
  public:
    void Dimension(int nx, int ny) {
        nx_ = nx;
        ny_ = ny;
        values_.assign(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny), 0.0);
    }
    int Nx() const { return nx_; }
    int Ny() const { return ny_; }
    double& operator()(int i, int j) {
        assert(i >= 1 && i <= nx_ && j >= 1 && j <= ny_);
        return values_[Offset(i, j)];
    }
    double operator()(int i, int j) const {
        assert(i >= 1 && i <= nx_ && j >= 1 && j <= ny_);
        return values_[Offset(i, j)];
    }
    // The Ny values of node column i, j = 1..Ny at elements 0..Ny-1.
    double* Column(int i) { return values_.data() + Offset(i, 1); }
    const double* Column(int i) const { return values_.data() + Offset(i, 1); }
    double* Data() { return values_.data(); }
    const double* Data() const { return values_.data(); }
    std::size_t Size() const { return values_.size(); }

  private:
    std::size_t Offset(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ny_) +
               static_cast<std::size_t>(j - 1);
    }
    int nx_ = 0;
    int ny_ = 0;
    std::vector<double> values_;
};

// Time levels of a line: level-major, so each level's N nodes are contiguous.
// Dimensioning leaves the values unset: the solver writes every level.
// Levels are numbered from first_level (the 1-D history starts at 1, the 2-D
// one at 0).
class Level_Lines {
  public:
    void Dimension(int first_level, int levels, int n) {
        values_.Resize(static_cast<std::size_t>(levels) * static_cast<std::size_t>(n));
        first_ = first_level;
        levels_ = levels;
        n_ = n;
    }
    int Levels() const { return levels_; }
    int Nodes() const { return n_; }
    double& operator()(int level, int i) {
        assert(level >= first_ && level < first_ + levels_ && i >= 1 && i <= n_);
        return values_[Offset(level) + static_cast<std::size_t>(i - 1)];
    }
    double operator()(int level, int i) const {
        assert(level >= first_ && level < first_ + levels_ && i >= 1 && i <= n_);
        return values_[Offset(level) + static_cast<std::size_t>(i - 1)];
    }
    double* Level(int level) { return values_.Data() + Offset(level); }
    const double* Level(int level) const { return values_.Data() + Offset(level); }
    std::size_t Size() const { return values_.Size(); }

  private:
    std::size_t Offset(int level) const {
        return static_cast<std::size_t>(level - first_) * static_cast<std::size_t>(n_);
    }
    int first_ = 0;
    int levels_ = 0;
    int n_ = 0;
    Unfilled_Doubles values_;
};

// Time levels of a plane, level-major; each level is laid out like a
// Node_Plane, so a level can be copied in or out with one contiguous copy.
// Dimensioning leaves the values unset: the solver writes every level.
class Level_Planes {
  public:
    void Dimension(int levels, int nx, int ny) {
        values_.Resize(static_cast<std::size_t>(levels) * static_cast<std::size_t>(nx) *
                       static_cast<std::size_t>(ny));
        levels_ = levels;
        nx_ = nx;
        ny_ = ny;
    }
    int Levels() const { return levels_; }
    int Nx() const { return nx_; }
    int Ny() const { return ny_; }
    // Node (i, j) of level n, n = 0..Levels()-1.
    double& operator()(int i, int j, int n) {
        assert(n >= 0 && n < levels_ && i >= 1 && i <= nx_ && j >= 1 && j <= ny_);
        return values_[Offset(n) + Node(i, j)];
    }
    double operator()(int i, int j, int n) const {
        assert(n >= 0 && n < levels_ && i >= 1 && i <= nx_ && j >= 1 && j <= ny_);
        return values_[Offset(n) + Node(i, j)];
    }
    double* Level(int n) { return values_.Data() + Offset(n); }
    const double* Level(int n) const { return values_.Data() + Offset(n); }
    std::size_t Plane_Size() const {
        return static_cast<std::size_t>(nx_) * static_cast<std::size_t>(ny_);
    }
    std::size_t Size() const { return values_.Size(); }

  private:
    std::size_t Node(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ny_) +
               static_cast<std::size_t>(j - 1);
    }
    std::size_t Offset(int n) const { return static_cast<std::size_t>(n) * Plane_Size(); }
    int levels_ = 0;
    int nx_ = 0;
    int ny_ = 0;
    Unfilled_Doubles values_;
};

}  // namespace calorix
