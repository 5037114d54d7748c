#include "output/isotherms.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

namespace {

// The middle of the segment of `line` farthest from the labels already
// placed, so that labels of lines running close together do not pile up;
// among equally free places the one nearest the plate's centre.
Node_Point Free_Label_Place(const Isotherm& line, const std::vector<Node_Point>& placed,
                            Node_Point centre) {
    Node_Point best{};
    double best_room = -1;
    double best_off = 0;
    for (const Isotherm_Segment& s : line.Segments) {
        const Node_Point mid{(s.From.I + s.To.I) / 2.0, (s.From.J + s.To.J) / 2.0};
        double room = std::numeric_limits<double>::infinity();
        for (const Node_Point& p : placed) {
            room = std::min(room, std::hypot(mid.I - p.I, mid.J - p.J));
        }
        const double off = std::hypot(mid.I - centre.I, mid.J - centre.J);
        if (room > best_room + 1e-12 || (std::abs(room - best_room) <= 1e-12 && off < best_off)) {
            best = mid;
            best_room = room;
            best_off = off;
        }
    }
    return best;
}

}  // namespace

std::vector<Isotherm> Trace_Isotherms(const Node_Plane& t, int m, int n, double min, double max) {
    std::vector<Isotherm> lines;
    std::vector<Node_Point> placed;
    const Node_Point centre{(1 + m) / 2.0, (1 + n) / 2.0};
    for (double v : Isotherm_Levels(min, max)) {
        Isotherm line;
        line.Value = v;
        line.Label = Format_Number(v, "###0.00");
        line.Segments = Trace_Isotherm(t, m, n, v);
        if (line.Segments.empty()) {
            continue;
        }
        line.Label_At = Free_Label_Place(line, placed, centre);
        placed.push_back(line.Label_At);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace calorix
