// How the shaded picture is shown: the zoom, the overlays and the probe over
// it.
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "output/pixel_zoom.h"
#include "output/png_file.h"
#include "output/shaded_plot_panel.h"

namespace calorix {

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

const QImage& Shaded_Plot_Panel::Zoomed_Plate() const {
    const QRect area = Plate_Area().intersected(picture_.rect());
    if (zoomed_key_ == picture_.cacheKey() && zoomed_area_ == area && zoomed_zoom_ == zoom_) {
        return zoomed_;
    }
    // Whole factors and no smoothing: every screen pixel is one pixel of
    // the picture, so every cell keeps its colour.
    if (zoomed_.size() != area.size() * zoom_) {
        zoomed_ = QImage(area.size() * zoom_, QImage::Format_ARGB32_Premultiplied);
    }
    const auto* src =
        reinterpret_cast<const std::uint32_t*>(picture_.constScanLine(area.y())) + area.x();
    zoomed_opaque_ =
        Zoom_Pixels(src, static_cast<int>(picture_.bytesPerLine() / 4), area.width(), area.height(),
                    zoom_, reinterpret_cast<std::uint32_t*>(zoomed_.bits()),
                    static_cast<int>(zoomed_.bytesPerLine() / 4));
    zoomed_key_ = picture_.cacheKey();
    zoomed_area_ = area;
    zoomed_zoom_ = zoom_;
    return zoomed_;
}

QImage Shaded_Plot_Panel::Shown_Plate() const {
    // The screen is painted the same way: see paintEvent.
    return zoom_ == 1 ? picture_.copy(Plate_Area()) : Zoomed_Plate();
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
                emit Node_Clicked(r.I, r.J);
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
