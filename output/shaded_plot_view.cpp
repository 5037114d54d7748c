// How the shaded picture is shown: the zoom, the overlays and the probe over
// it.
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "output/pixel_zoom.h"
#include "output/png_file.h"
#include "output/shaded_plot_panel.h"

namespace calorix {

namespace {

int Stride(const QImage& image) {
    return static_cast<int>(image.bytesPerLine() / 4);
}

const std::uint32_t* Pixels_At(const QImage& image, QPoint at) {
    return reinterpret_cast<const std::uint32_t*>(image.constScanLine(at.y())) + at.x();
}

}  // namespace

QRect Shaded_Plot_Panel::Plate_Area() const {
    const Plate_Geometry g = Plate_On_Screen();
    const int r = pic_.Resolution;
    return QRect(Picture_Origin_X(kind_) + r, Picture_Origin_Y(kind_) + r, g.Cells_X() * r,
                 g.Cells_Y() * r);
}

QRect Shaded_Plot_Panel::Plate_Repaint_Area() const {
    const Plate_Geometry g = Plate_On_Screen();
    return QRect(static_cast<int>(g.Left), static_cast<int>(g.Top), g.Width(), g.Height())
        .adjusted(-Plate_Margin, -Plate_Margin, Plate_Margin, Plate_Margin);
}

const QImage& Shaded_Plot_Panel::Widened_Plate() const {
    const QRect area = Plate_Area().intersected(picture_.rect());
    if (widened_key_ == picture_.cacheKey() && widened_area_ == area && widened_zoom_ == zoom_) {
        return widened_;
    }
    const QSize size(area.width() * zoom_, area.height());
    if (widened_.size() != size) {
        widened_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    }
    widened_opaque_ = Zoom_Pixels(
        Pixels_At(picture_, area.topLeft()), Stride(picture_), area.width(), area.height(), zoom_,
        1, reinterpret_cast<std::uint32_t*>(widened_.bits()), Stride(widened_));
    widened_key_ = picture_.cacheKey();
    widened_area_ = area;
    widened_zoom_ = zoom_;
    return widened_;
}

void Shaded_Plot_Panel::Paint_Zoomed_Plate(QPainter& p, const Plate_Geometry& g) const {
    // Whole factors and no smoothing: every screen pixel is one pixel of the
    // picture, so every cell keeps its colour.  Each widened row fills its
    // `zoom` screen rows as a one-row texture: the screen is written once,
    // straight from a row in the cache.  An opaque plate is copied without
    // blending.
    const QImage& wide = Widened_Plate();
    if (widened_opaque_) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
    }
    const int left = static_cast<int>(g.Left);
    for (int y = 0; y < wide.height(); ++y) {
        const int top = static_cast<int>(g.Top) + y * zoom_;
        const QImage row(wide.constScanLine(y), wide.width(), 1, wide.bytesPerLine(),
                         wide.format());
        p.setBrushOrigin(left, top);
        p.fillRect(QRect(left, top, wide.width(), zoom_), QBrush(row));
    }
    p.setBrushOrigin(0, 0);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QImage Shaded_Plot_Panel::Shown_Plate() const {
    if (zoom_ == 1) {
        return picture_.copy(Plate_Area());
    }
    // What Paint_Zoomed_Plate puts on the screen, as one image.
    const QImage& wide = Widened_Plate();
    QImage shown(wide.width(), wide.height() * zoom_, wide.format());
    Zoom_Pixels(Pixels_At(wide, QPoint(0, 0)), Stride(wide), wide.width(), wide.height(), 1, zoom_,
                reinterpret_cast<std::uint32_t*>(shown.bits()), Stride(shown));
    return shown;
}

void Shaded_Plot_Panel::Update_Zoom() {
    int z = 1;
    if (kind_ != 0 && fit_box_->isChecked()) {
        // The room is what the window gives: the scrolling viewport when the
        // panel scrolls, else the panel itself.
        QWidget* host = parentWidget();
        const bool scrolled =
            host != nullptr && qobject_cast<QScrollArea*>(host->parentWidget()) != nullptr;
        const QSize room = scrolled ? host->size() : size();
        const int r = pic_.Resolution;
        const Plate_Geometry g = Plate_On_Screen();
        z = Fit_Zoom(g.Cells_X() * r, g.Cells_Y() * r,
                     room.width() - static_cast<int>(g.Left) - Right_Room,
                     room.height() - static_cast<int>(g.Top) - Under_Room);
    }
    if (z != zoom_) {
        zoom_ = z;
        Place_Children();
    }
}

const Node_Plane* Shaded_Plot_Panel::Field_On_Display() const {
    const Node_Plane* t = nullptr;
    if (kind_ == 1) {
        t = &steady_->Temperature_2D;
    } else if (kind_ == 3) {
        t = &pic_.Current_Level_Temperature;
    }
    // A new transient run is being put up: no level of it copied yet.
    if (t != nullptr && (t->Nx() < nodes_x_ || t->Ny() < nodes_y_)) {
        return nullptr;
    }
    return t;
}

void Shaded_Plot_Panel::Refresh_Overlays() {
    // Isotherms follow the level on display and the range in force.
    if (const Node_Plane* t = Field_On_Display()) {
        isotherms_.Update(*t, nodes_x_, nodes_y_, Min_Temperature, Max_Temperature);
    }
    Update_Arrows();
    // The overlays lie on the plate and just around it.
    update(Plate_Repaint_Area());
}

void Shaded_Plot_Panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Update_Zoom();
}

bool Shaded_Plot_Panel::event(QEvent* event) {
    // Inside a scroll area the room is the viewport's: follow its size.
    if (event->type() == QEvent::ParentAboutToChange && parentWidget() != nullptr) {
        parentWidget()->removeEventFilter(this);
    } else if (event->type() == QEvent::ParentChange && parentWidget() != nullptr) {
        parentWidget()->installEventFilter(this);
    }
    return QWidget::event(event);
}

bool Shaded_Plot_Panel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        Update_Zoom();
    }
    return QWidget::eventFilter(watched, event);
}

void Shaded_Plot_Panel::mouseMoveEvent(QMouseEvent* event) {
    if (const Node_Plane* t = Field_On_Display()) {
        probe_.Show_At(Plate_On_Screen(), *t, event->position());
    }
    QWidget::mouseMoveEvent(event);
}

void Shaded_Plot_Panel::mouseReleaseEvent(QMouseEvent* event) {
    // On release, as a click ends, and kept from the windows around: what
    // the click brings up (a tip over the picture) stays up.
    if (event->button() == Qt::LeftButton) {
        if (const Node_Plane* t = Field_On_Display()) {
            const QPointF at = event->position();
            const Probe_Reading r = Probe_At(Plate_On_Screen(), at.x(), at.y(), *t);
            if (r.Inside) {
                event->accept();
                Pick_Node(r.I, r.J);
                return;
            }
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void Shaded_Plot_Panel::leaveEvent(QEvent* event) {
    probe_.Clear();
    QWidget::leaveEvent(event);
}

}  // namespace calorix
