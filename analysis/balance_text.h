#pragma once
// The heat balance in words and numbers, as the results window's balance
// page lays it out: a heading, rows of (what, value with unit, how it is
// taken) and notes below.
#include <string>
#include <vector>

#include "analysis/heat_balance.h"

namespace calorix {

struct Balance_Row {
    std::string what;
    std::string value;  // number and unit
    std::string how;
    bool bold = false;
};

struct Balance_Table {
    std::string heading;
    std::vector<Balance_Row> rows;
    std::vector<std::string> notes;
};

// "W/m (per metre of depth)" or "W/m^2 (per square metre of wall face)".
std::string Rate_Unit_Words(const Fd_Grid& g);

// A steady field's balance; `stored_as_zero` wall nodes were stored as 0
// and the figures come from their unclamped values.
Balance_Table Steady_Balance_Table(const Fd_Grid& g, const Heat_Balance& b, int stored_as_zero);

// A transient level: the step from `before_text` to `level_text` ("t = 4
// s"), with the cumulative balance since the first level; at the first
// level (`cumulative` null) the flows at that level alone.
Balance_Table Transient_Balance_Table(const Fd_Grid& g, const Heat_Balance& b,
                                      const Cumulative_Balance* cumulative,
                                      const std::string& before_text,
                                      const std::string& level_text);

}  // namespace calorix
