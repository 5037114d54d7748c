#pragma once
// The sides of a plate in one sweep, shared by the steady and the transient
// plate: their ends first (Side_Ends), then the nodes between the corners of
// the sides that follow their equation (kind 2 or 3).  Each such side is a
// chain: in the plain order every node waits for its neighbour along the
// side just renewed.  But the nodes of one such side
// never read those of another: what they read of the sides is corners, and
// the bottom row reads the top one (or the left column the right one) only
// on a plate two nodes across, where the turn below renews the top (right)
// node after the bottom (left) one reads it, as the plain order (bottom, top,
// left, right) does.  So the chains are walked together, one node of each
// per turn, and their waits overlap.
#include <algorithm>

#include "common/problem_definition.h"

namespace calorix {

// What comes before the chains: a kind-1 row is its temperature throughout,
// otherwise corners(side, j, j_in) renews its corners (row j, inward row
// j_in); then a kind-1 column is its temperature throughout, corners
// included.  set(i, j, value) writes a node.
template <typename Side, typename Set, typename Corners>
void Side_Ends(int nx, int ny, const Side& bottom, const Side& top, const Side& left,
               const Side& right, Set set, Corners corners) {
    auto row = [&](const Side& h, int j, int j_in) {
        if (h.kind != BC_Temperature) {
            corners(h, j, j_in);
            return;
        }
        for (int i = 1; i <= nx; ++i) {
            set(i, j, h.temperature);
        }
    };
    auto column = [&](const Side& v, int i) {
        for (int j = 1; j <= ny && v.kind == BC_Temperature; ++j) {
            set(i, j, v.temperature);
        }
    };
    row(bottom, ny, ny - 1);
    row(top, 1, 2);
    column(left, 1);
    column(right, nx);
}

// row(side, i, j, j_in) renews node (i, j) of the bottom (j = Ny) or top
// (j = 1) row, column(side, i, j, i_in) node (i, j) of the left (i = 1) or
// right (i = Nx) column; j_in and i_in are the inward neighbours' row and
// column.  Sides of kind 1 are left alone.
template <typename Side, typename Row, typename Column>
void Walk_Side_Chains(int nx, int ny, const Side& bottom, const Side& top, const Side& left,
                      const Side& right, Row row, Column column) {
    const bool b = bottom.kind != BC_Temperature;
    const bool t = top.kind != BC_Temperature;
    const bool l = left.kind != BC_Temperature;
    const bool r = right.kind != BC_Temperature;
    for (int k = 2; k <= std::max(nx, ny) - 1; ++k) {
        if (k <= nx - 1) {
            if (b) {
                row(bottom, k, ny, ny - 1);
            }
            if (t) {
                row(top, k, 1, 2);
            }
        }
        if (k <= ny - 1) {
            if (l) {
                column(left, 1, k, 2);
            }
            if (r) {
                column(right, nx, k, nx - 1);
            }
        }
    }
}

}  // namespace calorix
