#pragma once
// The wall's exact continuous profile drawn on the results chart beside the
// finite-difference points, with a legend; or a short note where the wall has
// no unique steady profile.
#include "analysis/node_equation.h"

namespace calorix {

class Temperature_Chart;

// Draws the curve for the steady wall of `g` whose stored nodes are `field`,
// when the chart is to show it.  Returns the text of the curve's legend, or
// the note, either way.
std::string Show_Analytic_Profile(Temperature_Chart* chart, const Fd_Grid& g, const double* field);
// Takes the curve, the note and the legend off the chart.
void Clear_Analytic_Profile(Temperature_Chart* chart);

}  // namespace calorix
