#pragma once
// The shaded temperature picture of the 2-D kinds, without the toolkit: the
// cell-size tables, the interpolation of the node field onto picture cells,
// the colour rule, the colour bar and its fourteen values, and painting into
// a 32-bit pixel buffer (laid out like QImage::Format_RGB32).
#include <array>
#include <cstdint>
#include <string>

#include "solvers/node_arrays.h"

namespace calorix {

struct Cell_Size {
    std::int16_t Cells_Per_Interval = 1;  // S: picture cells per node interval
    std::int16_t Resolution = 1;          // edge of one cell in pixels
};

// Res = the larger node count.  The steady table (kind 1) and the transient
// table (kind 3) differ.
Cell_Size Calculate_Resolution_For_Steady_State(int res);
Cell_Size Calculate_Resolution(int res);

struct Rgb {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colour of a temperature for the range min..max: f = (T - min)/(max - min),
// red 255 f, green 255 sin(3.14 (1 - f)), blue 255 (1 - f), each rounded
// half-even; pure red above the range, pure blue below it, pure green for an
// empty range.
Rgb Temperature_Colour(double t, double min, double max);

// Colour of the bar's dot row k (k = 1, 3, ..., 253; red at the top).
Rgb Scale_Colour(int k, bool empty_range);

// The picture data of the shading module.
struct Shaded_Picture {
    Node_Plane Pixel_Temperature;          // drawn cells (1..(M-1)S+1, 1..(N-1)S+1)
    Node_Plane Current_Level_Temperature;  // node field of the level on display (kind 3)
    std::int16_t Cells_Per_Interval = 1;
    std::int16_t Plot_X_Count = 0;  // node counts before, cell counts M*S after interpolation
    std::int16_t Plot_Y_Count = 0;
    std::int16_t Resolution = 1;
};

// Spreads the node field T (nodes 1..m, 1..n) over picture cells for problem
// kind 1 or 3: linear between node rows, each cell column taking one node
// column.  On return m and n hold m*S and n*S.
void Interpolate_Temperature_Field(Shaded_Picture& pic, int kind, const Node_Plane& t,
                                   std::int16_t& m, std::int16_t& n);

// Smallest and largest node of nodes 1..m, 1..n.
void Find_Min_And_Max_Temperature(const Node_Plane& t, int m, int n, double& min, double& max);

// The fourteen values of the colour bar.  A range narrower than 0.5 C first
// collapses: min becomes max.
struct Scale_Values {
    std::string Max_Caption;
    std::string Min_Caption;
    std::array<std::string, 12> Labels;  // Temperature_Scale_Label(0..11), bottom to top
};
Scale_Values Format_Screen_Values(double& min, double max);
// The same values for a field of small differences: every label in exponent
// form with three significant digits ("-1.25e-07"), and no collapse of a
// narrow range.
Scale_Values Format_Difference_Values(double min, double max);

// Paints every drawn cell as a Resolution-sized square whose top-left corner
// is at (x0 + a*Resolution, y0 + b*Resolution); pixels outside the buffer are
// clipped.
void Paint_Picture(const Shaded_Picture& pic, double min, double max, int x0, int y0,
                   std::uint32_t* pixels, int width, int height, int stride_pixels);

// Paints the colour bar: 3-pixel dots at (x, 2k), x = 1, 4, ..., 25.
void Paint_Scale(bool empty_range, std::uint32_t* pixels, int width, int height, int stride_pixels);

// Elapsed time s rounded to whole seconds and split for the display.
struct Elapsed_Time {
    int Hours = 0, Minutes = 0, Seconds = 0;
};
Elapsed_Time Split_Elapsed(double seconds);

}  // namespace calorix
