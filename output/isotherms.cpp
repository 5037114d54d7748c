#include "output/isotherms.h"

#include <cmath>

#include "common/number_text.h"

namespace calorix {

namespace {

// Where level v crosses the edge from corner a (value va) to corner b (vb).
Node_Point Crossing(Node_Point a, double va, Node_Point b, double vb, double v) {
    const double f = (v - va) / (vb - va);
    return {a.I + f * (b.I - a.I), a.J + f * (b.J - a.J)};
}

}  // namespace

std::vector<Isotherm_Segment> Trace_Isotherm(const Node_Plane& t, int m, int n, double v) {
    std::vector<Isotherm_Segment> out;
    for (int i = 1; i < m; ++i) {
        for (int j = 1; j < n; ++j) {
            // Corners clockwise from the top left; a corner at or above the
            // level counts as above, so a level equal to a corner value
            // touches that corner instead of being traced twice.
            const Node_Point p[4] = {{double(i), double(j)},
                                     {double(i + 1), double(j)},
                                     {double(i + 1), double(j + 1)},
                                     {double(i), double(j + 1)}};
            const double c[4] = {t(i, j), t(i + 1, j), t(i + 1, j + 1), t(i, j + 1)};
            int mask = 0;
            for (int k = 0; k < 4; ++k) {
                if (c[k] >= v) {
                    mask |= 1 << k;
                }
            }
            if (mask == 0 || mask == 15) {
                continue;
            }
            // The crossing on edge k (corner k to corner k+1), if it is cut.
            Node_Point x[4];
            int cuts = 0;
            for (int k = 0; k < 4; ++k) {
                const int l = (k + 1) % 4;
                if (((mask >> k) & 1) != ((mask >> l) & 1)) {
                    x[cuts++] = Crossing(p[k], c[k], p[l], c[l], v);
                }
            }
            if (cuts == 2) {
                out.push_back({x[0], x[1]});
                continue;
            }
            // A saddle: the four edges are cut.  The mean of the corners
            // decides which pairs join: if the centre is on the side of the
            // top-left corner, that corner's region runs through the middle.
            const double centre = (c[0] + c[1] + c[2] + c[3]) / 4.0;
            const bool centre_above = centre >= v;
            const bool corner0_above = (mask & 1) != 0;
            if (centre_above == corner0_above) {
                // Edges 0-1 and 2-3 pair up, isolating corners 1 and 3.
                out.push_back({x[0], x[1]});
                out.push_back({x[2], x[3]});
            } else {
                // Edges 3-0 and 1-2 pair up, isolating corners 0 and 2.
                out.push_back({x[3], x[0]});
                out.push_back({x[1], x[2]});
            }
        }
    }
    return out;
}

std::vector<double> Isotherm_Levels(double min, double max) {
    std::vector<double> levels;
    if (!(max > min) || !std::isfinite(max - min)) {
        return levels;
    }
    const double step = (max - min) / 13.0;
    for (int k = 0; k < 12; ++k) {
        levels.push_back(min + (k + 1) * step);
    }
    return levels;
}

std::vector<Isotherm> Trace_Isotherms(const Node_Plane& t, int m, int n, double min, double max) {
    std::vector<Isotherm> lines;
    for (double v : Isotherm_Levels(min, max)) {
        Isotherm line;
        line.Value = v;
        line.Label = Format_Number(v, "###0.00");
        line.Segments = Trace_Isotherm(t, m, n, v);
        if (line.Segments.empty()) {
            continue;
        }
        // The label sits on the segment in the middle of the list, which for
        // a line crossing the plate lies near the plate's middle.
        const Isotherm_Segment& s = line.Segments[line.Segments.size() / 2];
        line.Label_At = {(s.From.I + s.To.I) / 2.0, (s.From.J + s.To.J) / 2.0};
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace calorix
