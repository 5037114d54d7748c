#pragma once
// The axes drawn around the plate of the shaded picture: x and y in metres
// from the top-left node, each side named with its condition, and the unit
// over the colour bar.
#include <QString>
#include <array>

#include "output/plate_geometry.h"

class QPainter;
class QPoint;

namespace calorix {

class Plate_Axes {
  public:
    // Pixels the axes need left of and under the plate.
    static constexpr int Left_Room = 74;
    static constexpr int Bottom_Room = 42;
    // Clear room right of the plate before anything else is drawn there.
    static constexpr int Right_Clear = 36;

    // The side texts, left, right, top, bottom.
    void Set_Sides(const std::array<QString, 4>& sides) { sides_ = sides; }
    const std::array<QString, 4>& Sides() const { return sides_; }

    // What the colour bar shows, drawn beside its top: "T (C)" unless set.
    void Set_Unit(const QString& unit) { unit_ = unit; }
    const QString& Unit() const { return unit_; }

    // Draws the axes around the plate g and the bar's unit at `unit_at`.
    void Paint(QPainter& p, const Plate_Geometry& g, const QPoint& unit_at) const;

  private:
    // The sides' names; x_unit_under is the width of "x (m)" when it sits
    // under the tick labels at the right edge, else 0.
    void Paint_Sides(QPainter& p, const Plate_Geometry& g, int x_unit_under) const;

    std::array<QString, 4> sides_{QStringLiteral("Left"), QStringLiteral("Right"),
                                  QStringLiteral("Top"), QStringLiteral("Bottom")};
    QString unit_ = QStringLiteral("T (C)");
};

}  // namespace calorix
