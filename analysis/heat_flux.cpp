#include "analysis/heat_flux.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace calorix {

namespace {

// dT/ds along one direction at node a of 1..n, given T at a-1, a, a+1.
double Slope(double before, double at, double after, int a, int n, double dx) {
    if (n < 2) {
        return 0.0;
    }
    if (a == 1) {
        return (after - at) / dx;
    }
    if (a == n) {
        return (at - before) / dx;
    }
    return (after - before) / (2.0 * dx);
}

}  // namespace

Flux_Arrow Node_Flux(const Node_Plane& t, int nx, int ny, int i, int j, double dx, double k) {
    Flux_Arrow a;
    a.I = i;
    a.J = j;
    const double here = t(i, j);
    const double left = i > 1 ? t(i - 1, j) : here;
    const double right = i < nx ? t(i + 1, j) : here;
    const double up = j > 1 ? t(i, j - 1) : here;
    const double down = j < ny ? t(i, j + 1) : here;
    a.Qx = -k * Slope(left, here, right, i, nx, dx);
    a.Qy = -k * Slope(up, here, down, j, ny, dx);
    return a;
}

int Arrow_Stride(double node_pixels, double min_pixels) {
    if (node_pixels <= 0) {
        return 1;
    }
    return std::max(1, static_cast<int>(std::ceil(min_pixels / node_pixels - 1e-9)));
}

namespace {

// The first node of the stride-th nodes of 1..n that keep `inset` nodes free
// at both ends, with what is left over shared between the ends.
int First_Arrow_Node(int n, int stride, int inset) {
    const int first = 1 + inset;
    const int last = n - inset;
    if (last < first) {
        return (n + 1) / 2;
    }
    const int span = last - first;
    return first + (span % stride) / 2;
}

}  // namespace

std::vector<Flux_Arrow> Flux_Arrows(const Node_Plane& t, int nx, int ny, double dx, double k,
                                    int stride, int inset) {
    std::vector<Flux_Arrow> arrows;
    stride = std::max(1, stride);
    inset = std::max(0, inset);
    const int last_i = std::max(nx - inset, First_Arrow_Node(nx, stride, inset));
    const int last_j = std::max(ny - inset, First_Arrow_Node(ny, stride, inset));
    for (int j = First_Arrow_Node(ny, stride, inset); j <= last_j; j += stride) {
        for (int i = First_Arrow_Node(nx, stride, inset); i <= last_i; i += stride) {
            arrows.push_back(Node_Flux(t, nx, ny, i, j, dx, k));
        }
    }
    return arrows;
}

double Largest_Flux(const std::vector<Flux_Arrow>& arrows) {
    double largest = 0;
    for (const Flux_Arrow& a : arrows) {
        largest = std::max(largest, std::hypot(a.Qx, a.Qy));
    }
    return largest;
}

std::string Arrow_Legend(double largest) {
    double shown = largest;
    if (largest > 0) {
        const double unit = std::pow(10.0, std::floor(std::log10(largest)) - 3);
        shown = std::round(largest / unit) * unit;
    }
    return "= " + General_Text(shown) + " W/m^2";
}

}  // namespace calorix
