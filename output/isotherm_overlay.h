#pragma once
// Lines of constant temperature drawn over the shaded picture at the twelve
// interior values of the colour bar, each labelled with its temperature.
#include <vector>

#include "output/isotherms.h"
#include "output/plate_geometry.h"

class QPainter;

namespace calorix {

class Isotherm_Overlay {
  public:
    void Set_Enabled(bool on) {
        enabled_ = on;
        if (!on) {
            lines_.clear();
        }
    }
    bool Enabled() const { return enabled_; }

    // Traces the lines of field t (nodes 1..m, 1..n) for the range min..max;
    // nothing while switched off.
    void Update(const Node_Plane& t, int m, int n, double min, double max) {
        if (enabled_) {
            lines_ = Trace_Isotherms(t, m, n, min, max);
        }
    }
    const std::vector<Isotherm>& Lines() const { return lines_; }

    void Paint(QPainter& p, const Plate_Geometry& g) const;

  private:
    bool enabled_ = false;
    std::vector<Isotherm> lines_;
};

}  // namespace calorix
