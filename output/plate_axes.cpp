#include "output/plate_axes.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace calorix {

namespace {

QString Qt_Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void Plate_Axes::Paint_Sides(QPainter& p, const Plate_Geometry& g, int x_unit_under) const {
    const QFontMetrics fm = p.fontMetrics();
    const int h = fm.height();
    const double left = g.Left;
    const double top = g.Top;
    const double right = g.Right();
    const double bottom = g.Bottom();
    // The sides and their conditions: top and bottom across, left and right
    // along the plate.  A name longer than its side is shortened with an
    // ellipsis, so that the rotated names never reach the axis titles or the
    // top and bottom names.
    const double mid_x = (left + right) / 2;
    const double mid_y = (top + bottom) / 2;
    const auto fit = [&fm](const QString& text, double room) {
        return fm.elidedText(text, Qt::ElideRight, static_cast<int>(std::max(room, 30.0)));
    };
    const double across = g.Width() + 2.0 * 30;
    // Under the plate, clear of "x (m)" when it sits there.
    const double bottom_room = x_unit_under == 0 ? across
                                                 : 2 * std::min(mid_x - (left - Left_Room + 4),
                                                                right - x_unit_under - 8 - mid_x);
    p.drawText(QRectF(mid_x - 300, top - h - 4, 600, h), Qt::AlignCenter, fit(sides_[2], across));
    p.drawText(QRectF(mid_x - 300, bottom + 8 + h, 600, h), Qt::AlignCenter,
               fit(sides_[3], bottom_room));
    p.save();
    p.translate(left - Left_Room + 2, mid_y);
    p.rotate(-90);
    p.drawText(QRectF(-300, 0, 600, h), Qt::AlignCenter, fit(sides_[0], g.Height()));
    p.restore();
    p.save();
    p.translate(right + 6 + h, mid_y);
    p.rotate(90);
    p.drawText(QRectF(-300, 0, 600, h), Qt::AlignCenter, fit(sides_[1], g.Height()));
    p.restore();
}

void Plate_Axes::Paint(QPainter& p, const Plate_Geometry& g, const QPoint& unit_at) const {
    p.save();
    p.setPen(QColor(40, 40, 40));
    const QFontMetrics fm = p.fontMetrics();
    const int h = fm.height();
    const double left = g.Left;
    const double top = g.Top;
    const double right = g.Right();
    const double bottom = g.Bottom();
    // A thin frame round the plate.
    p.drawRect(QRectF(left - 1, top - 1, g.Width() + 1, g.Height() + 1));

    // x along the bottom, y down the left: positions are those of the nodes.
    const double x_span = g.X_Of_Node(g.X_Nodes) - g.X_Of_Node(1);
    const double y_span = g.Y_Of_Node(g.Y_Nodes) - g.Y_Of_Node(1);
    // "x (m)" goes right of the plate and clear of the last tick label,
    // which is centred on the right edge.
    double x_unit_left = right + 4;
    for (const Axis_Tick& t : Axis_Ticks((g.X_Nodes - 1) * g.Dx, x_span, 56)) {
        const double x = g.X_Of_Node(g.Dx > 0 ? 1 + t.Metres / g.Dx : 1);
        p.drawLine(QPointF(x, bottom + 1), QPointF(x, bottom + 5));
        const QString label = Qt_Text(t.Label);
        p.drawText(QRectF(x - 40, bottom + 6, 80, h), Qt::AlignHCenter | Qt::AlignTop, label);
        x_unit_left = std::max(x_unit_left, x + fm.horizontalAdvance(label) / 2.0 + 6);
    }
    for (const Axis_Tick& t : Axis_Ticks((g.Y_Nodes - 1) * g.Dx, y_span, 2.2 * h)) {
        const double y = g.Y_Of_Node(g.Dx > 0 ? 1 + t.Metres / g.Dx : 1);
        p.drawLine(QPointF(left - 6, y), QPointF(left - 2, y));
        // Right-aligned between the side name (left - Left_Room .. + h)
        // and the tick marks.
        p.drawText(QRectF(left - Left_Room + h + 4, y - h / 2.0, Left_Room - h - 12, h),
                   Qt::AlignRight | Qt::AlignVCenter, Qt_Text(t.Label));
    }
    // "x (m)" stays in the row of the tick labels when it fits before the
    // colour bar; otherwise it goes under them at the plate's right edge.
    const QString x_unit = QStringLiteral("x (m)");
    const int x_unit_w = fm.horizontalAdvance(x_unit);
    const bool x_unit_beside = x_unit_left + x_unit_w <= right + Right_Clear;
    if (x_unit_beside) {
        p.drawText(QRectF(x_unit_left, bottom + 6, x_unit_w + 2, h), Qt::AlignLeft | Qt::AlignTop,
                   x_unit);
    } else {
        p.drawText(QRectF(right - x_unit_w, bottom + 8 + h, x_unit_w + 2, h),
                   Qt::AlignLeft | Qt::AlignTop, x_unit);
    }
    p.drawText(QRectF(left - 60, bottom + 6, 52, h), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("y (m)"));

    Paint_Sides(p, g, x_unit_beside ? 0 : x_unit_w);
    p.drawText(QRectF(unit_at.x(), unit_at.y(), 118, h), Qt::AlignLeft | Qt::AlignVCenter, unit_);
    p.restore();
}

}  // namespace calorix
