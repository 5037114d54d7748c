#include "output/picture_figure.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "common/atomic_file.h"
#include "output/flux_arrow_overlay.h"
#include "output/plate_axes.h"

namespace calorix {

namespace {

constexpr int Margin = 10;
constexpr int Bar_Caption = 26;  // the end values over and under the bar
constexpr int Label_Room = 100;  // values right of the bar

QFont Title_Font(QFont f) {
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    return f;
}

}  // namespace

Figure_Layout Layout_Figure(const Figure_Parts& f) {
    Figure_Layout l;
    const QFont base;
    const QFontMetrics fm(base);
    const QFontMetrics tm(Title_Font(base));
    l.Title_Height = tm.height() + 8;
    const int h = fm.height();
    Plate_Geometry& g = l.Plate;
    g.Cell_Pixels = f.Cell_Pixels;
    g.Cells_Per_Interval = f.Cells_Per_Interval;
    g.X_Nodes = f.X_Nodes;
    g.Y_Nodes = f.Y_Nodes;
    g.Dx = f.Dx;
    g.Left = Margin + Plate_Axes::Left_Room;
    // Room over the plate for the top side's name.
    g.Top = Margin + l.Title_Height + Bar_Caption + h + 8;
    const int bar_x = static_cast<int>(g.Left) + g.Width() + 20 + h + 16;
    const int bar_top = Margin + l.Title_Height + Bar_Caption;
    l.Bar = QRect(bar_x, bar_top, f.Bar.width(), f.Bar.height());
    int width = bar_x + f.Bar.width() + Label_Room;
    width = std::max(width, Margin * 2 + tm.horizontalAdvance(f.Title));
    int bottom = std::max(static_cast<int>(g.Top) + g.Height() + Plate_Axes::Bottom_Room,
                          l.Bar.bottom() + 1 + Bar_Caption);
    if (!f.Note.isEmpty() || !f.Legend.isEmpty()) {
        const int legend = f.Legend.isEmpty() ? 0
                                              : static_cast<int>(f.Legend_Length) + 8 +
                                                    fm.horizontalAdvance(f.Legend) + Margin;
        width = std::max(width, Margin * 2 + legend + fm.horizontalAdvance(f.Note));
        bottom += h + 4;
    }
    l.Size = QSize(width, bottom + Margin);
    return l;
}

void Paint_Figure(QPainter& p, const Figure_Parts& f) {
    const Figure_Layout l = Layout_Figure(f);
    const Plate_Geometry& g = l.Plate;
    p.save();
    p.setFont(QFont());
    const QFontMetrics fm(p.font());
    const int h = fm.height();
    p.setPen(Qt::black);
    p.setFont(Title_Font(QFont()));
    p.drawText(QRect(Margin, Margin, l.Size.width() - 2 * Margin, l.Title_Height),
               Qt::AlignLeft | Qt::AlignVCenter, f.Title);
    p.setFont(QFont());

    p.drawImage(QRectF(g.Left, g.Top, g.Width(), g.Height()), f.Plate);
    for (const auto& overlay : f.Overlays) {
        overlay(p, g);
    }
    Plate_Axes axes;
    axes.Set_Sides(f.Sides);
    const QRect& bar = l.Bar;
    axes.Paint(p, g, QPoint(bar.center().x() + 40, bar.top() - Bar_Caption));

    p.drawImage(bar.topLeft(), f.Bar);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(bar.adjusted(-1, -1, 0, 0));
    p.setPen(Qt::black);
    const int cx = bar.center().x();
    p.drawText(QRect(cx - 40, bar.top() - Bar_Caption, 80, Bar_Caption - 4), Qt::AlignCenter,
               f.Max_Caption);
    p.drawText(QRect(cx - 40, bar.bottom() + 4, 80, Bar_Caption - 4), Qt::AlignCenter,
               f.Min_Caption);
    for (int k = 0; k < 12; ++k) {
        // Value (k+1)/13 of the range sits where its colour is on the bar.
        const double fraction = (k + 1) / 13.0;
        const int y = bar.top() + static_cast<int>(2.0 * (254.0 - 253.0 * fraction));
        p.drawText(QRect(bar.right() + 8, y - h / 2, Label_Room - 10, h),
                   Qt::AlignLeft | Qt::AlignVCenter, f.Labels[static_cast<std::size_t>(k)]);
    }
    const QRect last_row(Margin, l.Size.height() - Margin - h, l.Size.width() - 2 * Margin, h);
    if (!f.Note.isEmpty()) {
        p.drawText(last_row, Qt::AlignRight | Qt::AlignVCenter, f.Note);
    }
    if (!f.Legend.isEmpty()) {
        const double y = last_row.center().y();
        p.setRenderHint(QPainter::Antialiasing);
        Flux_Arrow_Overlay::Draw_Arrow(p, QPointF(Margin, y), QPointF(Margin + f.Legend_Length, y));
        p.drawText(last_row.adjusted(static_cast<int>(f.Legend_Length) + 8, 0, 0, 0),
                   Qt::AlignLeft | Qt::AlignVCenter, f.Legend);
    }
    p.restore();
}

QImage Figure_Image(const Figure_Parts& f, int scale) {
    const QSize size = Layout_Figure(f).Size;
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    Paint_Figure(p, f);
    return image;
}

QByteArray Figure_Png(const Figure_Parts& f, int scale) {
    return Png_Bytes(Figure_Image(f, scale));
}

QByteArray Png_Bytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Light compression: a figure is mostly flat colour, and frames of a
    // long run are written by the hundred.
    image.save(&buffer, "PNG", 80);
    return bytes;
}

QByteArray Figure_Svg(const Figure_Parts& f) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = Layout_Figure(f).Size;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(f.Title);
    svg.setDescription(QStringLiteral("CALORIX temperature picture"));
    QPainter p(&svg);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    Paint_Figure(p, f);
    p.end();
    return bytes;
}

bool Svg_Format(const QString& path, bool svg_chosen) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    return svg_chosen && suffix.compare(QStringLiteral("png"), Qt::CaseInsensitive) != 0;
}

bool Write_File_Bytes(const QString& path, const QByteArray& bytes) {
    return !bytes.isEmpty() &&
           Replace_File_Contents(
               path.toStdString(),
               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace calorix
