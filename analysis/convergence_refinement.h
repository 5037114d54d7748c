#pragma once
// Grid refinement of a steady run: the same body (same size) on the grid as
// typed, with the spacing halved and quartered (2N - 1 and 4N - 3 nodes a
// direction), each solved directly.  At the coarse grid's nodes the three
// answers give the observed order of accuracy and a Richardson estimate of
// the grid-independent value; a wall is also set against its exact
// continuous profile.
#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "analysis/node_equation.h"

namespace calorix {

struct Refinement_Study {
    bool ok = false;
    std::string message;  // why the study stopped, when it did
    int levels = 0;       // grids solved: up to three
    std::array<Fd_Grid, 3> grids{};
    std::array<double, 3> seconds{};
    int i = 1, j = 1;                 // the coarse node studied
    std::array<double, 3> value{};    // its value on each grid
    std::array<double, 2> largest{};  // largest difference over the coarse nodes, grid k to k+1
    double order = 0;                 // observed at the node (0: cannot be measured)
    double global_order = 0;          // from the largest differences
    double richardson = 0;            // value extrapolated to a vanishing spacing
    bool has_exact = false;           // wall: the continuous profile at the node
    double exact = 0;
    std::array<double, 3> exact_error{};
};

// Grids above this many nodes are not solved (their factor would need some
// hundreds of megabytes).
inline constexpr std::size_t Refinement_Node_Limit = 170000;

// `coarse`, when given, is the typed grid's direct solution, already made;
// `stage`, when given, counts each finer grid solved.
Refinement_Study Study_Refinement(const Problem_Definition& p, int kind, int nx, int ny, int i,
                                  int j, const std::atomic<bool>* cancel = nullptr,
                                  const std::vector<double>* coarse = nullptr,
                                  std::atomic<int>* stage = nullptr);

// log2 of the ratio of two successive differences (0 when it cannot be
// measured: a difference of 0 or of mixed sign).
double Observed_Order(double coarse_minus_mid, double mid_minus_fine);

// Why the wall's faces converge at first order only.
extern const char* const Wall_Face_Order_Sentence;

}  // namespace calorix
