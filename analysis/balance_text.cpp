#include "analysis/balance_text.h"

#include <algorithm>
#include <cmath>

namespace calorix {

namespace {

const char* const Side_Names[4] = {"Left", "Right", "Top", "Bottom"};

std::string With_Unit(double v, const char* unit) {
    return Equation_Number(v) + " " + unit;
}

std::string How_Side_Is_Taken(const Fd_Grid& g, int side) {
    switch (g.sides[static_cast<std::size_t>(side)].kind) {
        case BC_Temperature:
            return "what its cells conduct into the rest of the body, less the heat generated "
                   "in them";
        case BC_Flux:
            return g.Wall() ? "q" : "q times the side's length";
        default:
            return g.Wall() ? "h·(T∞ - T) at the face" : "h·(T∞ - T) over its cells";
    }
}

void Add_Sides(const Fd_Grid& g, const Heat_Balance& b, Balance_Table& t) {
    for (int s = 0; s < 4; ++s) {
        const Side_Rate& r = b.sides[static_cast<std::size_t>(s)];
        if (r.present) {
            t.rows.push_back({std::string(Side_Names[s]) + " (" +
                                  BC_Caption(g.sides[static_cast<std::size_t>(s)].kind) + ")",
                              With_Unit(r.rate, Rate_Unit(g)), How_Side_Is_Taken(g, s)});
        }
    }
    t.rows.push_back({std::string("Heat generated in the whole ") + (g.Wall() ? "wall" : "plate"),
                      With_Unit(b.generated, Rate_Unit(g)),
                      g.Wall() ? "g times the wall's thickness" : "g times the plate's area"});
}

std::string Body(const Fd_Grid& g) {
    return g.Wall() ? "wall" : "plate";
}

}  // namespace

std::string Rate_Unit_Words(const Fd_Grid& g) {
    return g.Wall() ? "W/m^2 (per square metre of wall face)" : "W/m (per metre of depth)";
}

Balance_Table Steady_Balance_Table(const Fd_Grid& g, const Heat_Balance& b, int stored_as_zero) {
    Balance_Table t;
    t.heading = "Heat rate through each side of the " + Body(g) + ", in " + Rate_Unit_Words(g) +
                ", positive into the " + Body(g) + ":";
    Add_Sides(g, b, t);
    const char* unit = Rate_Unit(g);
    if (b.faces_left_out > 0 && b.left_out != 0) {
        t.rows.push_back({"Sum (sides + generation)", With_Unit(b.sum, unit),
                          "what the physical flows leave over"});
        t.rows.push_back(
            {"Generation the face equations leave out", With_Unit(b.left_out, unit),
             "the flux and convection face equations carry no half cell: g·dx/2 at each of " +
                 std::to_string(b.faces_left_out) + (b.faces_left_out == 1 ? " face" : " faces")});
        t.rows.push_back({"Balance of the node equations (sum - left out)",
                          With_Unit(b.remainder, unit), "zero to the solver's convergence", true});
    } else {
        t.rows.push_back({"Sum (sides + generation)", With_Unit(b.sum, unit),
                          "zero at a converged steady state, to the solver's convergence", true});
    }
    if (b.largest > 0) {
        t.notes.push_back("The balance left over is " +
                          Equation_Number(100.0 * std::fabs(b.remainder) / b.largest) +
                          " % of the largest rate in the table.");
    }
    if (!g.Wall()) {
        t.notes.push_back(Corner_Rule);
    }
    if (stored_as_zero > 0) {
        t.notes.push_back(std::to_string(stored_as_zero) +
                          (stored_as_zero == 1 ? " node was" : " nodes were") +
                          " stored as 0 (results below 0.01 C are); the figures on this page "
                          "come from the unclamped values.");
    }
    return t;
}

Balance_Table Transient_Balance_Table(const Fd_Grid& g, const Heat_Balance& b,
                                      const Cumulative_Balance* cumulative,
                                      const std::string& before_text,
                                      const std::string& level_text) {
    Balance_Table t;
    const char* unit = Rate_Unit(g);
    const std::string tail = ", in " + Rate_Unit_Words(g) + ", positive into the " + Body(g) + ":";
    if (cumulative == nullptr) {
        t.heading = "Heat rate through each side at " + level_text + tail;
        Add_Sides(g, b, t);
        t.rows.push_back({"Sum (net inflow)", With_Unit(b.sum, unit), "", true});
        t.notes.push_back("Choose a later level to see the heat stored.");
    } else {
        const std::string scheme = g.implicit ? "implicit" : "explicit";
        t.heading = "Heat rate through each side over the step from " + before_text + " to " +
                    level_text + ", taken at " + (g.implicit ? level_text : before_text) +
                    " as the " + scheme + " scheme takes its flows" + tail;
        Add_Sides(g, b, t);
        t.rows.push_back({"Sum (net inflow)", With_Unit(b.sum, unit), "sides + generation", true});
        t.rows.push_back({"Heat stored over the step, per second", With_Unit(b.storage_rate, unit),
                          "k/α times each cell's change of temperature, over Δt"});
        t.rows.push_back(
            {"Net inflow - stored", With_Unit(b.remainder, unit),
             g.implicit ? "the tolerance of the level solve (its sweeps stop within 0.0001 C); "
                          "the implicit scheme itself conserves heat"
                        : "the explicit scheme conserves heat to rounding"});
        const char* eu = Energy_Unit(g);
        t.rows.push_back({"Inflow since t = 0 (Σ net inflow·Δt)", With_Unit(cumulative->inflow, eu),
                          "every step up to " + level_text});
        t.rows.push_back({"Heat stored since t = 0", With_Unit(cumulative->stored, eu),
                          "k/α times each cell's change of temperature since t = 0"});
        t.rows.push_back({"Difference", With_Unit(cumulative->inflow - cumulative->stored, eu),
                          "the scheme's balance summed over the steps", true});
    }
    if (!g.Wall()) {
        t.notes.push_back(Corner_Rule);
    }
    return t;
}

}  // namespace calorix
