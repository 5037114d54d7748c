#include "output/plate_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/problem_definition.h"

namespace calorix {

namespace {

// Metres with as many decimals as the value needs (up to `decimals`), and no
// point left over for a whole value.
std::string Metres_Text(double v, std::string_view pattern) {
    std::string s = Format_Number(v, pattern);
    if (!s.empty() && s.back() == '.') {
        s.pop_back();
    }
    return s;
}

}  // namespace

int Fit_Zoom(int plate_w, int plate_h, int room_w, int room_h) {
    if (plate_w <= 0 || plate_h <= 0) {
        return 1;
    }
    const int z = std::min(room_w / plate_w, room_h / plate_h);
    return std::clamp(z, 1, 16);
}

std::vector<Axis_Tick> Axis_Ticks(double length, double pixels, double spacing) {
    std::vector<Axis_Tick> ticks;
    if (!(length > 0) || !(pixels > 0) || !std::isfinite(length)) {
        ticks.push_back({0.0, "0"});
        return ticks;
    }
    // The smallest round step that keeps labels `spacing` pixels apart.
    const double least = length * spacing / pixels;
    double decade = std::pow(10.0, std::floor(std::log10(least)));
    double step = decade;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * decade >= least * (1 - 1e-9)) {
            step = m * decade;
            break;
        }
    }
    const int count = static_cast<int>(std::floor(length / step * (1 + 1e-9)));
    for (int k = 0; k <= count; ++k) {
        // k*step carries binary noise (3*0.1); twelve digits are plenty for
        // a label and drop it.
        const std::string label = Metres_Text(k * step, "0.############");
        ticks.push_back({Text_To_Number(label), label});
    }
    return ticks;
}

std::string Side_Condition_Text(const Problem_Definition& p, int side) {
    static const char* const names[4] = {"Left", "Right", "Top", "Bottom"};
    const double temp[4] = {p.Temp_BC_Left, p.Temp_BC_Right, p.Temp_BC_Top, p.Temp_BC_Bottom};
    const double q[4] = {p.Q_BC_Left, p.Q_BC_Right, p.Q_BC_Top, p.Q_BC_Bottom};
    const double h[4] = {p.h_BC_Left, p.h_BC_Right, p.h_BC_Top, p.h_BC_Bottom};
    const double t_inf[4] = {p.T_Infinity_BC_Left, p.T_Infinity_BC_Right, p.T_Infinity_BC_Top,
                             p.T_Infinity_BC_Bottom};
    const auto s = static_cast<std::size_t>(side);
    std::string text = std::string(names[s]) + ": ";
    switch (p.BC_Of(side)) {
        case BC_Temperature:
            return text + "T = " + General_Text(temp[s]) + " C";
        case BC_Flux:
            return text + "q = " + General_Text(q[s]) + " W/m^2";
        case BC_Convection:
            return text + "h = " + General_Text(h[s]) +
                   " W/m^2.C, T_inf = " + General_Text(t_inf[s]) + " C";
        default:
            return std::string(names[s]);
    }
}

Probe_Reading Probe_At(const Plate_Geometry& g, double x, double y, const Node_Plane& t) {
    Probe_Reading r;
    const double u = (x - g.Left) / g.Cell_Pixels;  // cells from the plate's left edge
    const double v = (y - g.Top) / g.Cell_Pixels;
    if (u < 0 || v < 0 || u >= g.Cells_X() || v >= g.Cells_Y()) {
        return r;
    }
    r.Inside = true;
    // Node intervals from the first node, which sits in the middle of cell 1.
    const int s = g.Cells_Per_Interval;
    const double qi = std::clamp((u - 0.5) / s, 0.0, g.X_Nodes - 1.0);
    const double qj = std::clamp((v - 0.5) / s, 0.0, g.Y_Nodes - 1.0);
    r.X = qi * g.Dx;
    r.Y = qj * g.Dx;
    r.I = static_cast<int>(std::floor(qi + 0.5)) + 1;
    r.J = static_cast<int>(std::floor(qj + 0.5)) + 1;
    r.T = t(r.I, r.J);
    r.Text = "x = " + Metres_Text(r.X, "0.####") + " m   y = " + Metres_Text(r.Y, "0.####") +
             " m   node (" + std::to_string(r.I) + ", " + std::to_string(r.J) +
             ")   T = " + Format_Number(r.T, "###0.00") + " C";
    return r;
}

}  // namespace calorix
