#include "output/shaded_temperature.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "common/number_text.h"

namespace calorix {

namespace {

struct Table_Row {
    int last_res;  // the row serves node counts up to this one
    Cell_Size size;
};

// The tables keep the painted plate roughly 180 to 370 pixels across
// whatever the node count.
constexpr Table_Row Steady_Table[] = {
    {3, {90, 2}},  {4, {60, 2}},  {5, {44, 2}},  {6, {35, 2}},  {7, {29, 2}},
    {8, {25, 2}},  {9, {22, 2}},  {10, {20, 2}}, {11, {18, 2}}, {12, {16, 2}},
    {13, {15, 2}}, {14, {14, 2}}, {15, {13, 2}}, {16, {12, 2}}, {17, {11, 2}},
    {19, {10, 2}}, {20, {9, 2}},  {23, {8, 2}},  {26, {7, 2}},  {31, {6, 2}},
    {37, {5, 2}},  {45, {4, 2}},  {60, {3, 2}},  {122, {3, 1}}, {180, {1, 2}},
};

constexpr Table_Row Transient_Table[] = {
    {3, {20, 8}}, {4, {15, 7}},  {5, {12, 7}},  {6, {10, 6}},  {7, {9, 6}},   {8, {10, 5}},
    {9, {7, 6}},  {10, {6, 6}},  {11, {7, 5}},  {12, {5, 6}},  {13, {7, 4}},  {14, {5, 5}},
    {15, {4, 6}}, {16, {5, 4}},  {18, {4, 5}},  {19, {3, 6}},  {21, {4, 4}},  {25, {3, 5}},
    {29, {3, 4}}, {32, {1, 11}}, {35, {1, 10}}, {40, {1, 9}},  {45, {1, 8}},  {50, {1, 7}},
    {61, {1, 6}}, {70, {1, 5}},  {86, {1, 4}},  {122, {1, 3}}, {180, {1, 2}},
};

template <std::size_t N>
Cell_Size Look_Up(const Table_Row (&table)[N], int res) {
    for (const Table_Row& row : table) {
        if (res <= row.last_res) {
            return row.size;
        }
    }
    return {1, 1};  // above 180 nodes: one cell per node, one pixel per cell
}

std::uint8_t Channel(double v) {
    const double r = Round_Half_Even(v);
    if (std::isnan(r)) {
        return 0;
    }
    return static_cast<std::uint8_t>(std::clamp(r, 0.0, 255.0));
}

std::uint32_t Pixel(Rgb c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(c.Red) << 16) |
           (static_cast<std::uint32_t>(c.Green) << 8) | static_cast<std::uint32_t>(c.Blue);
}

// Fills the square [x, x+edge) x [y, y+edge), clipped to the buffer.
void Fill_Square(std::uint32_t* pixels, int width, int height, int stride, int x, int y, int edge,
                 std::uint32_t colour) {
    const int x0 = std::max(x, 0);
    const int x1 = std::min(x + edge, width);
    const int y0 = std::max(y, 0);
    const int y1 = std::min(y + edge, height);
    if (x0 >= x1) {
        return;
    }
    for (int row = y0; row < y1; ++row) {
        std::fill_n(pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(stride) +
                        static_cast<std::size_t>(x0),
                    x1 - x0, colour);
    }
}

}  // namespace

Cell_Size Calculate_Resolution_For_Steady_State(int res) {
    return Look_Up(Steady_Table, res);
}

Cell_Size Calculate_Resolution(int res) {
    return Look_Up(Transient_Table, res);
}

Rgb Temperature_Colour(double t, double min, double max) {
    if (max == min) {
        return {0, 255, 0};
    }
    // Below the range wins over above it (they meet only in a range typed
    // upside down).
    if (t < min) {
        return {0, 0, 255};
    }
    if (t > max) {
        return {255, 0, 0};
    }
    // Blue through green to red; the sine lifts green in the middle of the
    // range.  The constant is 3.14, so the coldest end keeps a trace of
    // green (0.41) that rounds away.
    const double f = (t - min) / (max - min);
    if (std::isnan(f)) {
        // An infinite typed bound (e.g. "-1e999") leaves no place for t in
        // the range; show it like an empty range rather than as garbage.
        return {0, 255, 0};
    }
    return {Channel(255.0 * f), Channel(255.0 * std::sin(3.14 * (1.0 - f))),
            Channel(255.0 * (1.0 - f))};
}

Rgb Scale_Colour(int k, bool empty_range) {
    if (empty_range) {
        return {0, 255, 0};
    }
    return {Channel(255.0 * (254 - k) / 253.0), Channel(255.0 * std::sin(3.14 * (254 - k) / 253.0)),
            Channel(255.0 * (k - 1) / 253.0)};
}

void Interpolate_Temperature_Field(Shaded_Picture& pic, int kind, const Node_Plane& t,
                                   std::int16_t& m, std::int16_t& n) {
    const int res = std::max<int>(m, n);
    const Cell_Size size =
        kind == 3 ? Calculate_Resolution(res) : Calculate_Resolution_For_Steady_State(res);
    pic.Cells_Per_Interval = size.Cells_Per_Interval;
    pic.Resolution = size.Resolution;
    const int s = size.Cells_Per_Interval;
    const int nodes_x = m;
    const int nodes_y = n;
    const int cells_x = (nodes_x - 1) * s + 1;
    const int cells_y = (nodes_y - 1) * s + 1;
    Node_Plane& cells = pic.Pixel_Temperature;
    if (cells.Nx() != cells_x || cells.Ny() != cells_y) {
        cells.Dimension(cells_x, cells_y);
    }
    if (s == 1) {
        for (int a = 1; a <= cells_x; ++a) {
            std::copy_n(t.Column(a), cells_y, cells.Column(a));
        }
    } else {
        for (int a = 1; a <= cells_x; ++a) {
            // Each cell column takes the values of one node column.
            const int x = static_cast<int>(Round_Half_Even(static_cast<double>(a) / s + 1.0));
            const double* node = t.Column(x);
            double* out = cells.Column(a);
            for (int j = 1; j < nodes_y; ++j) {
                // Cells from node row j down to just above node row j+1,
                // linear between the two nodes.
                const double upper = node[j - 1];
                const double lower = node[j];
                double* rows = out + static_cast<std::ptrdiff_t>(j - 1) * s;
                for (int d = 0; d < s; ++d) {
                    rows[d] = (upper * (s - d) + lower * d) / s;
                }
            }
            out[cells_y - 1] = node[nodes_y - 1];  // the last node row
        }
    }
    m = static_cast<std::int16_t>(nodes_x * s);
    n = static_cast<std::int16_t>(nodes_y * s);
    pic.Plot_X_Count = m;
    pic.Plot_Y_Count = n;
}

void Find_Min_And_Max_Temperature(const Node_Plane& t, int m, int n, double& min, double& max) {
    min = t(1, 1);
    max = t(1, 1);
    for (int i = 1; i <= m; ++i) {
        const double* col = t.Column(i);
        for (int j = 0; j < n; ++j) {
            min = std::min(min, col[j]);
            max = std::max(max, col[j]);
        }
    }
}

Scale_Values Format_Screen_Values(double& min, double max) {
    // A range under half a degree cannot be told apart in colour: show it as
    // one temperature.
    if (max - min < 0.5) {
        min = max;
    }
    Scale_Values v;
    v.Max_Caption = Format_Number(max, "###0.00");
    v.Min_Caption = Format_Number(min, "###0.00");
    const double step = (max - min) / 13.0;
    for (int k = 0; k < 12; ++k) {
        v.Labels[static_cast<std::size_t>(k)] = Format_Number(min + (k + 1) * step, "###0.00");
    }
    return v;
}

namespace {

std::string Exponent_Text(double v) {
    if (v == 0) {
        return "0";
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 2);
    return std::string(buf, r.ptr);
}

}  // namespace

Scale_Values Format_Difference_Values(double min, double max) {
    Scale_Values v;
    v.Max_Caption = Exponent_Text(max);
    v.Min_Caption = Exponent_Text(min);
    const double step = (max - min) / 13.0;
    for (int k = 0; k < 12; ++k) {
        v.Labels[static_cast<std::size_t>(k)] = Exponent_Text(min + (k + 1) * step);
    }
    return v;
}

void Paint_Picture(const Shaded_Picture& pic, double min, double max, int x0, int y0,
                   std::uint32_t* pixels, int width, int height, int stride_pixels) {
    const int s = pic.Cells_Per_Interval;
    const int r = pic.Resolution;
    const int cells_x = pic.Plot_X_Count - s + 1;
    const int cells_y = pic.Plot_Y_Count - s + 1;
    const Node_Plane& cells = pic.Pixel_Temperature;
    for (int a = 1; a <= cells_x; ++a) {
        const double* col = cells.Column(a);
        for (int b = 1; b <= cells_y; ++b) {
            Fill_Square(pixels, width, height, stride_pixels, x0 + a * r, y0 + b * r, r,
                        Pixel(Temperature_Colour(col[b - 1], min, max)));
        }
    }
}

void Paint_Scale(bool empty_range, std::uint32_t* pixels, int width, int height,
                 int stride_pixels) {
    for (int k = 1; k <= 253; k += 2) {
        const std::uint32_t colour = Pixel(Scale_Colour(k, empty_range));
        for (int x = 1; x <= 25; x += 3) {
            // A dot three pixels wide, centred on (x, 2k).
            Fill_Square(pixels, width, height, stride_pixels, x - 1, 2 * k - 1, 3, colour);
        }
    }
}

Elapsed_Time Split_Elapsed(double seconds) {
    const long long s = static_cast<long long>(Round_Half_Even(seconds));
    return {static_cast<int>(s / 3600), static_cast<int>((s % 3600) / 60),
            static_cast<int>(s % 60)};
}

}  // namespace calorix
