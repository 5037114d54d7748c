#include "about/calorix_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace calorix {

namespace {

// The colour of a temperature fraction f in 0..1, as the results pictures
// paint it: blue when cold, through green, to red when hot.
QColor Shade(double f) {
    return QColor::fromRgb(static_cast<int>(255 * f),
                           static_cast<int>(255 * std::sin(3.14 * (1 - f))),
                           static_cast<int>(255 * (1 - f)));
}

}  // namespace

QPixmap Calorix_Icon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter g(&pixmap);
    g.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QRectF plate(0.12 * s, 0.12 * s, 0.76 * s, 0.76 * s);

    // The plate: hot on the left edge, cooling towards the right.
    QLinearGradient gradient(plate.topLeft(), plate.topRight());
    for (int i = 0; i <= 10; ++i) {
        const double x = i / 10.0;
        gradient.setColorAt(x, Shade(1.0 - x));
    }
    QPainterPath outline;
    outline.addRoundedRect(plate, 0.06 * s, 0.06 * s);
    g.fillPath(outline, gradient);

    // The node grid.
    const int nodes = 5;
    const double step = plate.width() / (nodes + 1);
    g.setPen(QPen(QColor(255, 255, 255, 170), std::max(1.0, s / 90)));
    for (int n = 1; n <= nodes; ++n) {
        const double x = plate.left() + n * step;
        const double y = plate.top() + n * step;
        g.drawLine(QPointF(x, plate.top() + step), QPointF(x, plate.bottom() - step));
        g.drawLine(QPointF(plate.left() + step, y), QPointF(plate.right() - step, y));
    }
    g.setPen(Qt::NoPen);
    g.setBrush(Qt::white);
    for (int i = 1; i <= nodes; ++i) {
        for (int j = 1; j <= nodes; ++j) {
            g.drawEllipse(QPointF(plate.left() + i * step, plate.top() + j * step), s / 40, s / 40);
        }
    }

    // The heated edge and the frame of the plate.
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(60, 60, 60), std::max(1.0, s / 60)));
    g.drawPath(outline);
    g.setPen(QPen(QColor(200, 0, 0), std::max(2.0, s / 25), Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(0.06 * s, 0.2 * s), QPointF(0.06 * s, 0.8 * s));
    return pixmap;
}

}  // namespace calorix
