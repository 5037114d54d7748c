#pragma once
// The exact continuous temperature profile of the steady wall with uniform
// generation, T(x) = a x^2 + c1 x + c2 with a = -g/(2k), fixed by the two face
// conditions (temperature, flux into the wall, or convection), to set beside
// the finite-difference nodes.
#include <string>
#include <utility>
#include <vector>

#include "analysis/exact_solution.h"
#include "analysis/node_equation.h"

namespace calorix {

struct Analytic_Profile {
    bool unique = false;
    std::string note;  // why no curve is drawn, when there is none
    double a = 0, c1 = 0, c2 = 0;
    double length = 0;  // (N - 1) dx, m

    double At(double x) const { return (a * x + c1) * x + c2; }
};

Analytic_Profile Wall_Profile(const Fd_Grid& g);

// `samples` + 1 points (x, T) from face to face, for a smooth curve.
std::vector<std::pair<double, double>> Profile_Curve(const Analytic_Profile& p, int samples);

// Largest |T_node - T(x_node)| over the nodes of a field laid out like the
// store.
Field_Difference Profile_Difference(const Fd_Grid& g, const Analytic_Profile& p,
                                    const double* field);

// Legend of the curve, with the largest difference at the nodes and the
// generation the wall's face equations leave out.
std::string Profile_Legend(const Fd_Grid& g, const Field_Difference& d);
extern const char* const Nodes_Legend;

}  // namespace calorix
