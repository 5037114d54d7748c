#include "output/chart_export.h"

#include <QBuffer>
#include <QChartView>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
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

bool Save_Chart_File(QChartView* view, const QString& path, bool svg_chosen) {
    return Write_File_Bytes(path, Svg_Format(path, svg_chosen) ? Chart_Svg(view) : Chart_Png(view));
}

void Save_Chart_Asked(QChartView* view, QWidget* parent) {
    int chosen = 0;
    const QString path = Ask_File_Name(
        parent, Save_File_Request(QStringLiteral("png"), Chart_File_Filters()), &chosen);
    if (!path.isEmpty() && !Save_Chart_File(view, path, chosen == 1)) {
        Show_Calorix_Message(parent,
                             QStringLiteral("CALORIX could not write the picture file ") + path);
    }
}

}  // namespace calorix
