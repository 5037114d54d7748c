#pragma once
// Lines of constant temperature over a node field, found by marching squares:
// every square of four neighbouring nodes is cut where the level lies between
// its corner values, the crossing placed by linear interpolation along the
// square's edge.
#include <string>
#include <vector>

#include "solvers/node_arrays.h"

namespace calorix {

// A point in node coordinates: i = 1 is the left node column, j = 1 the top
// node row; fractions lie between nodes.
struct Node_Point {
    double I = 0, J = 0;
};

struct Isotherm_Segment {
    Node_Point From, To;
};

struct Isotherm {
    double Value = 0;
    std::string Label;  // the value as the colour bar writes it
    std::vector<Isotherm_Segment> Segments;
    Node_Point Label_At;  // where the label goes: the middle of one segment, clear of the others
};

// The segments of level v over nodes 1..m, 1..n of t.
std::vector<Isotherm_Segment> Trace_Isotherm(const Node_Plane& t, int m, int n, double v);

// The twelve interior values of the colour bar, min + (k+1)(max-min)/13 for
// k = 0..11; none for an empty or non-finite range.
std::vector<double> Isotherm_Levels(double min, double max);

// Every isotherm of the colour bar's interior values that crosses the field.
std::vector<Isotherm> Trace_Isotherms(const Node_Plane& t, int m, int n, double min, double max);

}  // namespace calorix
