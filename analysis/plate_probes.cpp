#include "analysis/plate_probes.h"

#include "analysis/node_equation.h"
#include "common/number_text.h"

namespace calorix {

Probe_Series Node_History(const Transient_2D_Store& s, int i, int j, double time_step) {
    Probe_Series r;
    r.Title = "Temperature at node (" + General_Text(i) + ", " + General_Text(j) + ") with time";
    r.X_Title = "t (s)";
    for (int n = 0; n <= s.Time_Steps_T2D; ++n) {
        r.X.push_back(n * time_step);
        r.T.push_back(s.Temperature_History_2D(i, j, n));
    }
    return r;
}

Probe_Series Line_Profile(const Node_Plane& t, bool row, int count, int index, double dx) {
    Probe_Series r;
    r.Title = std::string("Temperature along ") + (row ? "row " : "column ") + General_Text(index) +
              (row ? " (y = " : " (x = ") + General_Text((index - 1) * dx) + " m)";
    r.X_Title = row ? "x (m)" : "y (m)";
    for (int k = 1; k <= count; ++k) {
        r.X.push_back((k - 1) * dx);
        r.T.push_back(row ? t(k, index) : t(index, k));
    }
    return r;
}

Analytic_Profile Line_Exact_Profile(const Problem_Definition& p, int nx, int ny, bool row) {
    const Fd_Grid plate = Make_Grid(p, Kind_Steady_2D, nx, ny);
    // The two sides along the line must carry no heat.
    const int across[2] = {row ? Side_Top : Side_Left, row ? Side_Bottom : Side_Right};
    for (int side : across) {
        const Grid_Side& s = plate.sides[static_cast<std::size_t>(side)];
        if (s.kind != BC_Flux || s.q != 0.0) {
            Analytic_Profile none;
            none.note = "no exact profile: the sides along the line are not insulated";
            return none;
        }
    }
    // A wall between the two ends of the line, its first node at the left
    // (row) or top (column) side.
    Fd_Grid wall = plate;
    wall.kind = Kind_Steady_1D;
    wall.ny = 1;
    if (!row) {
        wall.nx = plate.ny;
        wall.sides[Side_Left] = plate.sides[Side_Top];
        wall.sides[Side_Right] = plate.sides[Side_Bottom];
    }
    return Wall_Profile(wall);
}

std::string Probe_Csv(const Probe_Series& s) {
    std::string csv = s.X_Title + ",T (C)\n";
    for (std::size_t k = 0; k < s.X.size(); ++k) {
        csv += General_Text(s.X[k]) + "," + General_Text(s.T[k]) + "\n";
    }
    return csv;
}

}  // namespace calorix
