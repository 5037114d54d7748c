#pragma once
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace calorix {

// The small drawing beside the table: a wall seen edge-on as a bar (1-D
// kinds) or the plate with its four sides (2-D kinds), with the x (and y)
// direction the table's headings count along.
class Input_Sketch : public QWidget {
  public:
    Input_Sketch(bool plate, QWidget* parent) : QWidget(parent), plate_(plate) {
        setMinimumSize(plate ? QSize(110, 120) : QSize(110, 70));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(plate ? 124 : 76);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor body(236, 160, 96);
        const QColor edge(120, 60, 20);
        const QColor axis(40, 40, 120);
        const int w = width();
        const int h = height();
        QFont f = font();
        f.setPointSize(9);
        p.setFont(f);
        if (!plate_) {
            const QRectF bar(20, 18, w - 40, 28);
            QLinearGradient g(bar.topLeft(), bar.bottomLeft());
            g.setColorAt(0, body.lighter(125));
            g.setColorAt(1, body.darker(115));
            p.setBrush(g);
            p.setPen(QPen(edge, 1.5));
            p.drawRect(bar);
            // The x direction, from the left face.
            p.setPen(QPen(axis, 1.5));
            const double y = bar.bottom() + 14;
            p.drawLine(QPointF(bar.left(), y), QPointF(bar.left() + 60, y));
            p.drawLine(QPointF(bar.left() + 60, y), QPointF(bar.left() + 54, y - 4));
            p.drawLine(QPointF(bar.left() + 60, y), QPointF(bar.left() + 54, y + 4));
            p.drawText(QPointF(bar.left() + 66, y + 4), QStringLiteral("x"));
            return;
        }
        const int side = std::min(w - 60, h - 30);
        const QRectF plate((w - side) / 2.0, 8, side, side);
        QLinearGradient g(plate.topLeft(), plate.bottomRight());
        g.setColorAt(0, body.lighter(125));
        g.setColorAt(1, body.darker(115));
        p.setBrush(g);
        p.setPen(QPen(edge, 1.5));
        p.drawRect(plate);
        // x to the right along the top side, y down along the left side: node
        // (1, 1) is the top-left corner, as in the table.
        p.setPen(QPen(axis, 1.5));
        const QPointF o = plate.topLeft() + QPointF(6, 6);
        p.drawLine(o, o + QPointF(40, 0));
        p.drawLine(o + QPointF(40, 0), o + QPointF(34, -4));
        p.drawLine(o + QPointF(40, 0), o + QPointF(34, 4));
        p.drawText(o + QPointF(44, 4), QStringLiteral("x"));
        p.drawLine(o, o + QPointF(0, 40));
        p.drawLine(o + QPointF(0, 40), o + QPointF(-4, 34));
        p.drawLine(o + QPointF(0, 40), o + QPointF(4, 34));
        p.drawText(o + QPointF(-3, 56), QStringLiteral("y"));
    }

  private:
    bool plate_;
};

}  // namespace calorix
