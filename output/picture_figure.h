#pragma once
// The shaded picture as it is kept for slides and reports: a title line, the
// plate with its axes and overlays, the colour bar with its fourteen values
// and, when the range was typed in, a note under the bar.  One drawing serves
// every kind of output: a PNG at 1x, 2x or 4x, an SVG whose texts stay text,
// and a page of the PDF report.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "output/plate_geometry.h"

class QPainter;

namespace calorix {

struct Figure_Parts {
    QString Title;
    QString Note;  // under the bar; empty for none
    // The heat-flux arrows' scale: an arrow this long (pixels) and what it
    // stands for; empty for none.
    QString Legend;
    double Legend_Length = 0;
    QImage Plate;  // the drawn cells, Cell_Pixels square each
    int Cell_Pixels = 1;
    int Cells_Per_Interval = 1;
    int X_Nodes = 1, Y_Nodes = 1;
    double Dx = 0;
    std::array<QString, 4> Sides;
    QImage Bar;
    QString Max_Caption, Min_Caption;
    std::array<QString, 12> Labels;  // bottom to top
    // Drawn over the plate, in order (isotherms, heat-flux arrows).
    std::vector<std::function<void(QPainter&, const Plate_Geometry&)>> Overlays;
};

// Where the parts go, in figure pixels.
struct Figure_Layout {
    QSize Size;
    Plate_Geometry Plate;
    QRect Bar;
    int Title_Height = 0;
};
Figure_Layout Layout_Figure(const Figure_Parts& f);

// Draws the figure with its top-left corner at the painter's origin.
void Paint_Figure(QPainter& p, const Figure_Parts& f);

// The figure as a picture `scale` times its size, on white.
QImage Figure_Image(const Figure_Parts& f, int scale);
// PNG or SVG file contents.
QByteArray Figure_Png(const Figure_Parts& f, int scale);
QByteArray Figure_Svg(const Figure_Parts& f);
// A drawn figure as PNG file contents (safe on any thread).
QByteArray Png_Bytes(const QImage& image);

// A picture is saved as SVG when its name ends in ".svg", or when the SVG
// filter was chosen and the name does not end in ".png"; else as PNG.
bool Svg_Format(const QString& path, bool svg_chosen);

// Writes the bytes of an image file through the program's safe file
// replacement; false when the file cannot be written.
bool Write_File_Bytes(const QString& path, const QByteArray& bytes);

}  // namespace calorix
