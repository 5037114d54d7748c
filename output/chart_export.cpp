#include "output/chart_export.h"

#include <QBuffer>
#include <QChartView>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

#include "output/picture_figure.h"

namespace calorix {

QStringList Chart_File_Filters() {
    return {QStringLiteral("PNG Image (*.png)"), QStringLiteral("SVG Image (*.svg)")};
}

QByteArray Chart_Png(QChartView* view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    view->grab().save(&buffer, "PNG");
    return bytes;
}

QByteArray Chart_Svg(QChartView* view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = view->size();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(view->chart() != nullptr ? view->chart()->title() : QString());
    QPainter p(&svg);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    view->render(&p);
    p.end();
    return bytes;
}

bool Save_Chart_File(QChartView* view, const QString& path) {
    const bool svg =
        QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    return Write_File_Bytes(path, svg ? Chart_Svg(view) : Chart_Png(view));
}

}  // namespace calorix
