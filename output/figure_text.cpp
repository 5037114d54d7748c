#include "output/figure_text.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "output/shaded_temperature.h"

namespace calorix {

std::string Figure_Title(int kind, double elapsed_seconds) {
    if (kind != 3) {
        return "2-D Steady State Problem";
    }
    const Elapsed_Time t = Split_Elapsed(elapsed_seconds);
    return "2-D Transient Problem, t = " + General_Text(elapsed_seconds) + " s (" +
           General_Text(t.Hours) + " h " + General_Text(t.Minutes) + " min " +
           General_Text(t.Seconds) + " s)";
}

namespace {

// Two decimals at most, as the bar's values.
std::string Degrees(double t) {
    return General_Text(std::round(t * 100.0) / 100.0);
}

}  // namespace

std::string Range_Note(bool typed, double min, double max, double data_min, double data_max) {
    if (!typed) {
        return std::string();
    }
    const std::string range = Degrees(min) + " to " + Degrees(max) + " C";
    if (min > data_min || max < data_max) {
        return "Colour range clipped to " + range + " (data " + Degrees(data_min) + " to " +
               Degrees(data_max) + " C)";
    }
    return "Colour range set by hand: " + range;
}

std::string Frame_File_Name(const std::string& stem, int level, int last_level) {
    std::string digits = General_Text(level);
    const std::size_t width = std::max<std::size_t>(4, General_Text(last_level).size());
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return stem + "_" + digits + ".png";
}

}  // namespace calorix
