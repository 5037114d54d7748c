#pragma once
// The words a saved picture carries: its title line, the note under the
// colour bar when the range was typed in, and the names of numbered frames.
#include <string>

namespace calorix {

// "2-D Steady State Problem"; for the transient kind (3) with the time of
// the level shown: "2-D Transient Problem, t = 150 s (0 h 2 min 30 s)".
std::string Figure_Title(int kind, double elapsed_seconds);

// Empty when the colour range is the data's own.  A range typed in that cuts
// off part of the data says it is clipped and gives both ranges; a typed
// range that holds all the data says it was set by hand.
std::string Range_Note(bool typed, double min, double max, double data_min, double data_max);

// "stem_0007.png": level 7 of a run whose last level is `last_level`, the
// number padded to at least four digits so that the files sort in order.
std::string Frame_File_Name(const std::string& stem, int level, int last_level);

}  // namespace calorix
