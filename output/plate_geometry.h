#pragma once
// Where the plate of the shaded picture lies on the screen once zoomed, and
// what is drawn and read around it: axis ticks in metres, the sides'
// conditions, and the reading of the probe under the mouse.
#include <string>
#include <vector>

#include "solvers/node_arrays.h"

namespace calorix {

struct Problem_Definition;

// The drawn cells of a picture as they appear on the screen.  The first cell
// has its top-left corner at (Left, Top); every cell is Cell_Pixels square
// (the cell size of the picture times the zoom factor).
struct Plate_Geometry {
    double Left = 0, Top = 0;
    int Cell_Pixels = 1;
    int Cells_Per_Interval = 1;  // S
    int X_Nodes = 0, Y_Nodes = 0;
    double Dx = 0;  // metres between neighbouring nodes

    int Cells_X() const { return (X_Nodes - 1) * Cells_Per_Interval + 1; }
    int Cells_Y() const { return (Y_Nodes - 1) * Cells_Per_Interval + 1; }
    int Width() const { return Cells_X() * Cell_Pixels; }
    int Height() const { return Cells_Y() * Cell_Pixels; }
    double Right() const { return Left + Width(); }
    double Bottom() const { return Top + Height(); }
    // Screen position of a point in node coordinates (node i sits in the
    // middle of its cell (i-1)S+1).
    double X_Of_Node(double i) const {
        return Left + ((i - 1) * Cells_Per_Interval + 0.5) * Cell_Pixels;
    }
    double Y_Of_Node(double j) const {
        return Top + ((j - 1) * Cells_Per_Interval + 0.5) * Cell_Pixels;
    }
};

// The largest whole factor by which a picture of plate_w x plate_h pixels
// fits in room_w x room_h (at least 1, at most 16).
int Fit_Zoom(int plate_w, int plate_h, int room_w, int room_h);

// Ticks along an axis of `length` metres drawn over `pixels` pixels: round
// values (1, 2 or 5 times a power of ten) at least `spacing` pixels apart,
// from 0 to the length.
struct Axis_Tick {
    double Metres = 0;
    std::string Label;
};
std::vector<Axis_Tick> Axis_Ticks(double length, double pixels, double spacing);

// "Left: T = 100 C", "Top: q = 500 W/m^2", "Right: h = 10 W/m^2.C, T_inf = 20 C".
std::string Side_Condition_Text(const Problem_Definition& p, int side);

// What the probe shows for the mouse at screen point (x, y) over the field t
// (nodes 1..X_Nodes, 1..Y_Nodes): the point in metres from the top-left
// node, the nearest node and its temperature.
struct Probe_Reading {
    bool Inside = false;
    double X = 0, Y = 0;
    int I = 0, J = 0;
    double T = 0;
    std::string Text;
};
Probe_Reading Probe_At(const Plate_Geometry& g, double x, double y, const Node_Plane& t);

}  // namespace calorix
