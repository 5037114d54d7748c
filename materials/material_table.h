#pragma once
// The built-in material library: 147 metals, alloys, building materials and
// insulators with their thermal conductivity and, for most, their thermal
// diffusivity, in the units of the input boxes (W/m.K and m^2/s).
#include <array>
#include <cmath>
#include <string>

namespace calorix {

struct Material {
    const char* Name;
    double Conductivity;  // W/m.K; NaN when the library has no value
    double Diffusivity;   // m^2/s; NaN when the library has no value

    bool Has_Conductivity() const { return !std::isnan(Conductivity); }
    bool Has_Diffusivity() const { return !std::isnan(Diffusivity); }
};

constexpr int Material_Count = 147;

// The library in list order; the list position of a name is its row.
const std::array<Material, Material_Count>& Material_Table();

// What OK on the library window writes for the chosen row (-1 or any row
// outside the table: nothing chosen) on the tab of the given kind.
struct Material_Choice {
    std::string Conductivity_Text;   // always written
    bool Write_Diffusivity = false;  // transient kinds only
    std::string Diffusivity_Text;
    // A row with a conductivity but no diffusivity: the student is told to
    // supply the diffusivity.
    bool Conductivity_Only = false;
    std::string Message;
};

Material_Choice Choose_Material(int row, int kind);

}  // namespace calorix
