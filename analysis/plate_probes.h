#pragma once
// What a probe reads off a plate: the temperature of one node over every
// stored time level, or the temperatures along one row or column of a field,
// with the exact continuous profile when the plate is a wall in disguise.
#include <string>
#include <vector>

#include "analysis/analytic_profile.h"
#include "common/problem_definition.h"
#include "solvers/node_arrays.h"
#include "solvers/result_stores.h"

namespace calorix {

struct Probe_Series {
    std::string Title;
    std::string X_Title;  // "t (s)", "x (m)" or "y (m)"
    std::vector<double> X;
    std::vector<double> T;
};

// Node (i, j) at levels 0..Time_Steps_T2D, at t = n * time_step.
Probe_Series Node_History(const Transient_2D_Store& s, int i, int j, double time_step);

// Row `index` (along x, `count` = nx nodes) or column `index` (along y,
// `count` = ny nodes) of field t, nodes spaced dx; positions from the first
// node of the line.
Probe_Series Line_Profile(const Node_Plane& t, bool row, int count, int index, double dx);

// The exact steady profile along every row when top and bottom carry no heat
// (a flux of zero), or along every column when left and right carry none:
// the plate is then a wall between the other two sides.  unique is false (with
// a note) when the plate is not such a wall or the wall has no single
// solution.
Analytic_Profile Line_Exact_Profile(const Problem_Definition& p, int nx, int ny, bool row);

// "t (s),T (C)" then one line per point, numbers in general text.
std::string Probe_Csv(const Probe_Series& s);

}  // namespace calorix
