#pragma once
// A curve of many more points than the screen has pixel columns is drawn
// from a few points per column: those that keep its look, extremes included.
#include <vector>

namespace calorix {

// The most points kept per column.
inline constexpr int Points_Per_Column = 4;

// Indices (0-based, rising) of the points of `values` (equally spaced in x)
// to draw across `columns` columns.  Up to Points_Per_Column * columns
// points are all kept; beyond that, each column keeps its first, lowest,
// highest and last point, so the line drawn still reaches every extreme.
std::vector<int> Thinned_Points(const std::vector<double>& values, int columns);

}  // namespace calorix
