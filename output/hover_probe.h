#pragma once
// The probe under the picture: while the mouse is over the plate, a line
// gives the point in metres, the nearest node and its temperature at the
// level on display.
#include <QString>

#include "output/plate_geometry.h"

class QLabel;
class QPointF;
class QWidget;

namespace calorix {

class Hover_Probe {
  public:
    explicit Hover_Probe(QWidget* parent);

    // Reads field t at the mouse position; an empty line off the plate.
    void Show_At(const Plate_Geometry& g, const Node_Plane& t, const QPointF& mouse);
    void Clear();
    QLabel* Line() const { return line_; }

  private:
    QLabel* line_;
};

}  // namespace calorix
