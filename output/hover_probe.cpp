#include "output/hover_probe.h"

#include <QLabel>
#include <QPointF>

namespace calorix {

Hover_Probe::Hover_Probe(QWidget* parent) : line_(new QLabel(parent)) {
    line_->setTextInteractionFlags(Qt::NoTextInteraction);
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Hover_Probe::Show_At(const Plate_Geometry& g, const Node_Plane& t, const QPointF& mouse) {
    const Probe_Reading r = Probe_At(g, mouse.x(), mouse.y(), t);
    line_->setText(QString::fromStdString(r.Text));
}

void Hover_Probe::Clear() {
    line_->clear();
}

}  // namespace calorix
