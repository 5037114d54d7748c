#include "output/shaded_temperature.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <vector>

#include "plane_support.h"

using namespace calorix;

using plane_test::Field;

namespace {

// The picture of field f over m x n nodes of a run of `kind`, and the node
// counts the interpolation leaves behind (cells per side).
struct Interpolated {
    Shaded_Picture pic;
    std::int16_t m, n;
};
template <class F>
Interpolated Interpolate(int kind, int m, int n, F f) {
    Interpolated r{{}, static_cast<std::int16_t>(m), static_cast<std::int16_t>(n)};
    Interpolate_Temperature_Field(r.pic, kind, Field(m, n, f), r.m, r.n);
    return r;
}

}  // namespace

// Every row of both cell-size tables, at both ends of its range of node
// counts: S cells per node interval, cells of Resolution pixels.
struct Size_Row {
    int first_res, last_res, s, resolution;
};

constexpr Size_Row Steady_Rows[] = {
    {3, 3, 90, 2},     {4, 4, 60, 2},   {5, 5, 44, 2},   {6, 6, 35, 2},   {7, 7, 29, 2},
    {8, 8, 25, 2},     {9, 9, 22, 2},   {10, 10, 20, 2}, {11, 11, 18, 2}, {12, 12, 16, 2},
    {13, 13, 15, 2},   {14, 14, 14, 2}, {15, 15, 13, 2}, {16, 16, 12, 2}, {17, 17, 11, 2},
    {18, 19, 10, 2},   {20, 20, 9, 2},  {21, 23, 8, 2},  {24, 26, 7, 2},  {27, 31, 6, 2},
    {32, 37, 5, 2},    {38, 45, 4, 2},  {46, 60, 3, 2},  {61, 122, 3, 1}, {123, 180, 1, 2},
    {181, 2500, 1, 1},
};

constexpr Size_Row Transient_Rows[] = {
    {3, 3, 20, 8},   {4, 4, 15, 7},  {5, 5, 12, 7},   {6, 6, 10, 6},    {7, 7, 9, 6},
    {8, 8, 10, 5},   {9, 9, 7, 6},   {10, 10, 6, 6},  {11, 11, 7, 5},   {12, 12, 5, 6},
    {13, 13, 7, 4},  {14, 14, 5, 5}, {15, 15, 4, 6},  {16, 16, 5, 4},   {17, 18, 4, 5},
    {19, 19, 3, 6},  {20, 21, 4, 4}, {22, 25, 3, 5},  {26, 29, 3, 4},   {30, 32, 1, 11},
    {33, 35, 1, 10}, {36, 40, 1, 9}, {41, 45, 1, 8},  {46, 50, 1, 7},   {51, 61, 1, 6},
    {62, 70, 1, 5},  {71, 86, 1, 4}, {87, 122, 1, 3}, {123, 180, 1, 2}, {181, 2500, 1, 1},
};

TEST(CellSizes, EveryRowOfBothTablesAtBothEnds) {
    const struct {
        const char* table;
        Cell_Size (*look_up)(int);
        const Size_Row* rows;
        std::size_t count;
    } tables[] = {
        {"steady", Calculate_Resolution_For_Steady_State, Steady_Rows, std::size(Steady_Rows)},
        {"transient", Calculate_Resolution, Transient_Rows, std::size(Transient_Rows)},
    };
    for (const auto& table : tables) {
        for (std::size_t r = 0; r < table.count; ++r) {
            const Size_Row& row = table.rows[r];
            for (int res : {row.first_res, row.last_res}) {
                const Cell_Size c = table.look_up(res);
                EXPECT_EQ(c.Cells_Per_Interval, row.s) << table.table << " Res " << res;
                EXPECT_EQ(c.Resolution, row.resolution) << table.table << " Res " << res;
            }
        }
    }
}

TEST(Colours, BlueThroughGreenToRed) {
    EXPECT_EQ(Temperature_Colour(100, 0, 100), (Rgb{255, 0, 0}));
    EXPECT_EQ(Temperature_Colour(0, 0, 100), (Rgb{0, 0, 255}));       // 255 sin(3.14) = 0.41
    EXPECT_EQ(Temperature_Colour(50, 0, 100), (Rgb{128, 255, 128}));  // 127.5 to even
    // f = 0.25: red 63.75, green 255 sin(2.355) = 255 sin(0.78659) = 180.53,
    // blue 191.25
    EXPECT_EQ(Temperature_Colour(25, 0, 100), (Rgb{64, 181, 191}));
    // f = 0.6: green 255 sin(3.14*0.4) = 255 sin(1.256) = 242.47 (with pi
    // 242.52 would round up).
    EXPECT_EQ(Temperature_Colour(60, 0, 100), (Rgb{153, 242, 102}));
    EXPECT_EQ(Temperature_Colour(101, 0, 100), (Rgb{255, 0, 0}));
    EXPECT_EQ(Temperature_Colour(-1, 0, 100), (Rgb{0, 0, 255}));
    EXPECT_EQ(Temperature_Colour(7, 7, 7), (Rgb{0, 255, 0}));
    EXPECT_EQ(Temperature_Colour(-50, 7, 7), (Rgb{0, 255, 0}));
    // A range typed upside down: below the minimum wins.
    EXPECT_EQ(Temperature_Colour(70, 100, 50), (Rgb{0, 0, 255}));
    // Bounds typed beyond the double range ("1e999" reads as infinity).
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Temperature_Colour(50, -inf, 100), (Rgb{0, 255, 0}));
    EXPECT_EQ(Temperature_Colour(50, -inf, inf), (Rgb{0, 255, 0}));
    EXPECT_EQ(Temperature_Colour(200, -inf, 100), (Rgb{255, 0, 0}));
    // A finite span too wide for a double: f = 1e308 / inf = 0, the cold end.
    EXPECT_EQ(Temperature_Colour(0, -1e308, 1e308), (Rgb{0, 0, 255}));
}

TEST(Colours, BarIsRedAtTheTopAndBlueAtTheBottom) {
    // k = 1: red 255, green 255 sin(3.14) = 0.41, blue 0.
    EXPECT_EQ(Scale_Colour(1, false), (Rgb{255, 0, 0}));
    // k = 253: red 255/253 = 1.01, green 255 sin(3.14/253) = 3.16, blue 253.99.
    EXPECT_EQ(Scale_Colour(253, false), (Rgb{1, 3, 254}));
    // k = 127: red 128.0, green 255 sin(1.5762) = 255.0, blue 127.0.
    EXPECT_EQ(Scale_Colour(127, false), (Rgb{128, 255, 127}));
    // k = 35: red 255*219/253 = 220.73, green 255 sin(3.14*219/253) =
    // 255 sin(2.71802) = 104.81 (with pi it would be 104.49), blue 34.27.
    EXPECT_EQ(Scale_Colour(35, false), (Rgb{221, 105, 34}));
    EXPECT_EQ(Scale_Colour(99, true), (Rgb{0, 255, 0}));
}

TEST(Interpolation, ThreeByThreeSteadyGridSpreadsOverNinetyCellsPerInterval) {
    const auto [pic, m, n] =
        Interpolate(1, 3, 3, [](int i, int j) { return 10.0 * i + 100.0 * j; });
    EXPECT_EQ(pic.Cells_Per_Interval, 90);
    EXPECT_EQ(pic.Resolution, 2);
    EXPECT_EQ(m, 270);
    EXPECT_EQ(n, 270);
    EXPECT_EQ(pic.Plot_X_Count, 270);
    EXPECT_EQ(pic.Pixel_Temperature.Nx(), 181);  // only the drawn cells
    EXPECT_EQ(pic.Pixel_Temperature.Ny(), 181);
    // Node rows carry the node values; linear in between down the picture.
    // Across, each cell column takes one node column: a/90 + 1 rounds to 1
    // up to a = 44, to 2 from a = 45 (45/90 + 1 = 1.5 goes to even 2) and
    // 135/90 + 1 = 2.5 to 2 again.
    const struct {
        int a, b;
        double t;
    } cells[] = {{1, 1, 110},    {1, 91, 210}, {1, 181, 310}, {1, 46, 110 + 100 * 45.0 / 90.0},
                 {44, 1, 110},   {45, 1, 120}, {135, 1, 120}, {136, 1, 130},
                 {181, 181, 330}};
    for (const auto& c : cells) {
        EXPECT_DOUBLE_EQ(pic.Pixel_Temperature(c.a, c.b), c.t) << c.a << ", " << c.b;
    }
}

TEST(Interpolation, TallSteadyGridAndOneCellPerNode) {
    const auto tall = Interpolate(1, 10, 40, [](int i, int j) { return 1.0 * i * j; });
    EXPECT_EQ(tall.pic.Cells_Per_Interval, 4);
    EXPECT_EQ(tall.pic.Pixel_Temperature.Nx(), 37);
    EXPECT_EQ(tall.pic.Pixel_Temperature.Ny(), 157);
    EXPECT_EQ(tall.m, 40);
    EXPECT_EQ(tall.n, 160);

    const auto big = Interpolate(3, 200, 190, [](int i, int j) { return i - 0.5 * j; });
    EXPECT_EQ(big.pic.Cells_Per_Interval, 1);
    EXPECT_EQ(big.pic.Resolution, 1);
    EXPECT_DOUBLE_EQ(big.pic.Pixel_Temperature(17, 33), 17 - 16.5);
    EXPECT_DOUBLE_EQ(big.pic.Pixel_Temperature(200, 190), 200 - 95.0);
}

TEST(MinMax, ScansTheNodesOnly) {
    const Node_Plane t =
        Field(4, 3, [](int i, int j) { return (i == 3 && j == 2) ? -8.0 : i + j; });
    double lo = 0;
    double hi = 0;
    Find_Min_And_Max_Temperature(t, 4, 3, lo, hi);
    EXPECT_EQ(lo, -8.0);
    EXPECT_EQ(hi, 7.0);
    Find_Min_And_Max_Temperature(t, 2, 2, lo, hi);
    EXPECT_EQ(lo, 2.0);
    EXPECT_EQ(hi, 4.0);
}

TEST(ScaleValues, FourteenEquallySpacedValues) {
    double lo = 0;
    const Scale_Values v = Format_Screen_Values(lo, 130);
    EXPECT_EQ(v.Max_Caption, "130.00");
    EXPECT_EQ(v.Min_Caption, "0.00");
    EXPECT_EQ(v.Labels[0], "10.00");
    EXPECT_EQ(v.Labels[11], "120.00");
    EXPECT_EQ(lo, 0);

    lo = 20.2;  // a range of 0.3 collapses onto the maximum
    const Scale_Values c = Format_Screen_Values(lo, 20.5);
    EXPECT_EQ(lo, 20.5);
    EXPECT_EQ(c.Min_Caption, "20.50");
    for (const std::string& label : c.Labels) {
        EXPECT_EQ(label, "20.50");
    }
    lo = 90;  // a minimum above the maximum collapses too
    Format_Screen_Values(lo, 50);
    EXPECT_EQ(lo, 50);
}

TEST(Painting, CellsAreSquaresAtTheirOrigin) {
    // The bottom-right node is the hottest.
    const Shaded_Picture pic =
        Interpolate(1, 3, 3, [](int i, int j) { return i == 3 && j == 3 ? 100.0 : 0.0; }).pic;
    const int w = 700;
    const int h = 500;
    std::vector<std::uint32_t> img(static_cast<std::size_t>(w * h), 0u);
    Paint_Picture(pic, 0, 100, 300, 105, img.data(), w, h, w);
    auto at = [&](int x, int y) { return img[static_cast<std::size_t>(y * w + x)]; };
    // Cell (181, 181) covers x 300+362 .. 663, y 105+362 .. 468.
    EXPECT_EQ(at(662, 467), 0xFFFF0000u);
    EXPECT_EQ(at(663, 468), 0xFFFF0000u);
    EXPECT_EQ(at(664, 469), 0u);  // beyond the last cell
    // Cell (1, 1) starts at (302, 107): the coldest node, pure blue.
    EXPECT_EQ(at(302, 107), 0xFF0000FFu);
    EXPECT_EQ(at(301, 107), 0u);

    // A uniform field is all green; a buffer too small clips without harm.
    std::vector<std::uint32_t> small(100 * 100, 0u);
    Paint_Picture(pic, 5, 5, 0, 0, small.data(), 100, 100, 100);
    EXPECT_EQ(small[50 * 100 + 50], 0xFF00FF00u);
    EXPECT_EQ(small[99 * 100 + 99], 0xFF00FF00u);
    EXPECT_EQ(small[0], 0u);  // cell (1,1) starts one cell in
}

TEST(Painting, ColourBarDots) {
    const int w = 30;
    const int h = 510;
    std::vector<std::uint32_t> img(static_cast<std::size_t>(w * h), 0u);
    Paint_Scale(false, img.data(), w, h, w);
    EXPECT_EQ(img[2 * w + 1], 0xFFFF0000u);     // k = 1 at (1, 2): red
    EXPECT_EQ(img[506 * w + 25], 0xFF0103FEu);  // k = 253 at (25, 506): blue
    EXPECT_EQ(img[100 * w + 28], 0u);           // right of the last dot column
    Paint_Scale(true, img.data(), w, h, w);
    EXPECT_EQ(img[2 * w + 1], 0xFF00FF00u);
}

TEST(ElapsedTime, SplitIntoHoursMinutesSeconds) {
    // 59.6 s round to a whole minute; 3661.5 s to 3662 (half to even).
    const struct {
        double seconds;
        int h, m, s;
    } rows[] = {{5400, 1, 30, 0}, {59.6, 0, 1, 0}, {3661.5, 1, 1, 2}};
    for (const auto& r : rows) {
        const Elapsed_Time e = Split_Elapsed(r.seconds);
        EXPECT_EQ((std::vector<int>{e.Hours, e.Minutes, e.Seconds}),
                  (std::vector<int>{r.h, r.m, r.s}))
            << r.seconds;
    }
}
