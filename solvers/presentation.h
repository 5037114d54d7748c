#pragma once
// The presentation procedures: each writes one kind's results into the
// results table and chart of the output model.
#include <string>

#include "common/output_model.h"
#include "solvers/result_stores.h"

namespace calorix {

// Table of x against T, one chart point per node.
void Display_Steady_State_1D_Results(Steady_1D_Store& s, Output_Model& out);

// Table of the field: row j = node row j (j = 1 the top edge), column i = node
// column i (i = 1 the left edge).
void Display_Steady_State_2D_Results(const Steady_2D_Store& s, Output_Model& out);

// Table of T against t and x, the list of locations, and the chart of the
// right face against time.  Turns Time_Steps_T1D from M into M + 1.
void Display_Transient_1D_Results(Result_Stores& stores, Output_Model& out);

// The node a location names: 0 when it names none (an empty history, a grid
// size of zero); Off_The_Wall when the location lay beyond a face and the
// face itself was taken.
struct Location_Pick {
    int Node = 0;
    bool Off_The_Wall = false;
};

// Recharts the history of the node nearest to the location typed or picked in
// the location list.  A location off the wall charts the nearer face, titled
// with the face's own location.
Location_Pick Chart_Transient_1D_Location(const Result_Stores& stores, double grid_size_cm,
                                          const std::string& location_text, Chart_Data& chart);

// One level of the 2-D transient run into the table; the layout (size,
// alignment, headers) is written only on the first call after a run.
void Display_Transient_2D_Results(Transient_2D_Store& s, const Node_Plane& plane,
                                  Text_Table& table);

// The last level of the 2-D history that can be shown: Time_Steps_T2D, kept
// inside the levels the history holds.
int Last_Stored_Level(const Transient_2D_Store& s);

// The level of a time typed or picked in the time list: time / time step,
// rounded, kept inside 0..Last_Stored_Level.
int Time_Text_Level(const Transient_2D_Store& s, double time_step, const std::string& time_text);

// Copies level `level` of the 2-D history into a node plane (dimensioned to
// the node counts when it is not already).
void Copy_Level_2D(const Transient_2D_Store& s, int level, Node_Plane& plane);

// The time list click: the level of the chosen time goes into
// New_Temperature_T2D and from there into the table.  Returns the level.
int Show_Transient_2D_Time(Transient_2D_Store& s, double time_step, const std::string& time_text,
                           Text_Table& table);

// Smallest and largest temperature over every stored level, so that the
// colours of different levels compare.
void Find_History_Range(const Transient_2D_Store& s, double& min, double& max);

// One step of the time navigation: forward steps that would pass the last
// level do not move; backward steps stop at level 0.
int Step_Level(int current, int step, int last);

}  // namespace calorix
