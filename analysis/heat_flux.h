#pragma once
// The heat flux q = -k grad T of a plate's field, for the arrows drawn over
// the picture: central differences between the neighbours inside, one-sided
// differences at the sides.  x runs right from the left side, y down from the
// top side (node j grows downward), as on the picture.
#include <string>
#include <vector>

#include "solvers/node_arrays.h"

namespace calorix {

struct Flux_Arrow {
    int I = 0, J = 0;
    double Qx = 0, Qy = 0;  // W/m^2: Qx towards the right side, Qy towards the bottom side
};

// q at node (i, j) of field t (nodes 1..nx, 1..ny, spacing dx m,
// conductivity k W/m.K).
Flux_Arrow Node_Flux(const Node_Plane& t, int nx, int ny, int i, int j, double dx, double k);

// Every stride-th node in each direction, so that arrows drawn node_pixels
// apart per node stand at least min_pixels apart.  The `inset` nodes next to
// each side are left out, so that an arrow centred on a node stays on the
// plate, and the rows and columns of arrows are centred between the sides
// (the middle node when the plate is too small for more).
int Arrow_Stride(double node_pixels, double min_pixels);
std::vector<Flux_Arrow> Flux_Arrows(const Node_Plane& t, int nx, int ny, double dx, double k,
                                    int stride, int inset = 0);

// The largest |q| of the arrows (0 for none).
double Largest_Flux(const std::vector<Flux_Arrow>& arrows);

// The legend of the longest arrow: "= 1234 W/m^2" (four significant digits).
std::string Arrow_Legend(double largest);

}  // namespace calorix
