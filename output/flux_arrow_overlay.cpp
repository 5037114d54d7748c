#include "output/flux_arrow_overlay.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "analysis/heat_flux.h"

namespace calorix {

namespace {

double Node_Pixels(const Plate_Geometry& g) {
    return static_cast<double>(g.Cells_Per_Interval) * g.Cell_Pixels;
}

// Nodes left free next to each side, so that half the longest arrow and its
// halo fit between a node carrying one and the edge of the plate (node 1
// sits half a cell in from the edge).
int Arrow_Inset(const Plate_Geometry& g) {
    const double room = 0.5 * Flux_Arrow_Overlay::Longest(g) + 2.0 - 0.5 * g.Cell_Pixels;
    return std::max(0, static_cast<int>(std::ceil(room / Node_Pixels(g) - 1e-9)));
}

}  // namespace

std::vector<Flux_Arrow> Flux_Arrow_Overlay::Arrows_Over(const Plate_Geometry& g) const {
    return Flux_Arrows(field_, nx_, ny_, dx_, k_, Arrow_Stride(Node_Pixels(g), Min_Spacing),
                       Arrow_Inset(g));
}

void Flux_Arrow_Overlay::Update(const Node_Plane& t, int nx, int ny, double dx, double k) {
    if (!enabled_) {
        return;
    }
    field_ = t;
    nx_ = nx;
    ny_ = ny;
    dx_ = dx;
    k_ = k;
}

double Flux_Arrow_Overlay::Longest(const Plate_Geometry& g) {
    const int stride = Arrow_Stride(Node_Pixels(g), Min_Spacing);
    return std::min(60.0, 0.85 * stride * Node_Pixels(g));
}

QString Flux_Arrow_Overlay::Legend(const Plate_Geometry& g) const {
    if (!enabled_ || nx_ < 1) {
        return QString();
    }
    const double largest = Largest_Flux(Arrows_Over(g));
    return QString::fromStdString(Arrow_Legend(largest));
}

void Flux_Arrow_Overlay::Draw_Arrow(QPainter& p, QPointF from, QPointF to) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1.0) {
        p.drawPoint(from);
        return;
    }
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const double head = std::min(7.0, 0.4 * length);
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    path.moveTo(to - u * head + n * head * 0.5);
    path.lineTo(to);
    path.lineTo(to - u * head - n * head * 0.5);
    p.drawPath(path);
}

void Flux_Arrow_Overlay::Paint(QPainter& p, const Plate_Geometry& g) const {
    if (!enabled_ || nx_ < 1) {
        return;
    }
    const std::vector<Flux_Arrow> arrows = Arrows_Over(g);
    const double largest = Largest_Flux(arrows);
    if (largest <= 0) {
        return;
    }
    const double longest = Longest(g);
    p.save();
    p.setClipRect(QRectF(g.Left, g.Top, g.Width(), g.Height()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    // A pale halo under a dark stroke reads on every colour of the scale.
    for (const QPen& pen : {QPen(QColor(255, 255, 255, 170), 3.2), QPen(QColor(15, 15, 15), 1.3)}) {
        p.setPen(pen);
        for (const Flux_Arrow& a : arrows) {
            // Centred on the node, pointing along q.
            const QPointF at(g.X_Of_Node(a.I), g.Y_Of_Node(a.J));
            const QPointF half = QPointF(a.Qx, a.Qy) * (0.5 * longest / largest);
            Draw_Arrow(p, at - half, at + half);
        }
    }
    p.restore();
}

}  // namespace calorix
