#include "output/isotherm_overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace calorix {

void Isotherm_Overlay::Paint(QPainter& p, const Plate_Geometry& g) const {
    if (!enabled_ || lines_.empty()) {
        return;
    }
    p.save();
    const QRectF plate(g.Left, g.Top, g.Width(), g.Height());
    p.setClipRect(plate);
    p.setRenderHint(QPainter::Antialiasing);
    auto at = [&g](Node_Point n) { return QPointF(g.X_Of_Node(n.I), g.Y_Of_Node(n.J)); };
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    for (const Isotherm& line : lines_) {
        for (const Isotherm_Segment& s : line.Segments) {
            p.drawLine(at(s.From), at(s.To));
        }
    }
    // The labels on a pale patch so that they read on every colour.
    QFont small = p.font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    p.setFont(small);
    const QFontMetrics fm(small);
    // On a small plate pushing labels inside can stack them: a label that
    // would cover one already drawn is left out, its line stays.
    std::vector<QRectF> drawn;
    for (const Isotherm& line : lines_) {
        const QString text = QString::fromStdString(line.Label);
        QRectF box(0, 0, fm.horizontalAdvance(text) + 4, fm.height());
        box.moveCenter(at(line.Label_At));
        // A label near a side is pushed inside rather than cut.
        // (A plate narrower than its label keeps the label's left edge.)
        box.moveLeft(std::max(plate.left(), std::min(box.left(), plate.right() - box.width())));
        box.moveTop(std::max(plate.top(), std::min(box.top(), plate.bottom() - box.height())));
        if (std::any_of(drawn.begin(), drawn.end(),
                        [&box](const QRectF& d) { return d.intersects(box); })) {
            continue;
        }
        drawn.push_back(box);
        p.fillRect(box, QColor(255, 255, 255, 200));
        p.drawText(box, Qt::AlignCenter, text);
    }
    p.restore();
}

}  // namespace calorix
