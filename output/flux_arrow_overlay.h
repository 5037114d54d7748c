#pragma once
// Heat-flux arrows over the shaded picture: q = -k grad T at a sub-grid of
// nodes at least 24 pixels apart and far enough from the sides that no arrow
// crosses the edge of the plate, each arrow as long as its |q| against the
// largest |q| shown, so they run from hot to cold across the isotherms.
#include <QPointF>
#include <QString>

#include <vector>

#include "analysis/heat_flux.h"
#include "output/plate_geometry.h"
#include "solvers/node_arrays.h"

class QPainter;

namespace calorix {

class Flux_Arrow_Overlay {
  public:
    static constexpr double Min_Spacing = 24;  // pixels between arrows

    void Set_Enabled(bool on) {
        enabled_ = on;
        if (!on) {
            field_ = Node_Plane();
        }
    }
    bool Enabled() const { return enabled_; }
    // The field on display (nodes 1..nx, 1..ny, spacing dx m) and the
    // conductivity; kept only while switched on.
    void Update(const Node_Plane& t, int nx, int ny, double dx, double k);

    // The arrows over plate g, and the legend: an arrow of the longest
    // length and what it stands for.
    void Paint(QPainter& p, const Plate_Geometry& g) const;
    // "= 1234 W/m^2" for the arrows as drawn over g; empty when off.
    QString Legend(const Plate_Geometry& g) const;
    // Length in pixels of the longest arrow over g.
    static double Longest(const Plate_Geometry& g);
    // Draws one arrow from `from` to `to`.
    static void Draw_Arrow(QPainter& p, QPointF from, QPointF to);

  private:
    // The arrows drawn over g: a sub-grid of nodes clear of the sides.
    std::vector<Flux_Arrow> Arrows_Over(const Plate_Geometry& g) const;

    bool enabled_ = false;
    Node_Plane field_;
    int nx_ = 0, ny_ = 0;
    double dx_ = 0, k_ = 0;
};

}  // namespace calorix
