#include "materials/material_table.h"

#include <limits>

#include "common/number_text.h"
#include "common/problem_definition.h"

namespace calorix {

namespace {

constexpr double No_Value = std::numeric_limits<double>::quiet_NaN();

// Conductivity in W/m.K, diffusivity in m^2/s, at the temperature the name
// states where it states one.
// Rows 89 and 90 carry the same name; the first has no values at all.
const std::array<Material, Material_Count> Library = {{
    {"Aluminum Pure", 204, 8.418e-5},                                                  // 0
    {"Aluminum: Al-Cu (Duralumin),94-96% Al,3-5% Cu, trace Mg", 164, 6.676e-5},        // 1
    {"Aluminum: Al-Si(Silumin,copper-bearing),86.5% Al,1% Cu", 137, 5.933e-5},         // 2
    {"Aluminum: Al-Si(Alusil),78-80% Al, 20-22% Si", 161, 7.172e-5},                   // 3
    {"Aluminum: Al-Mg-Si, 97% Al, 1% Mg, 1% Si, 1% Mn", 177, 7.311e-5},                // 4
    {"Lead", 35, 2.343e-5},                                                            // 5
    {"Iron: Pure", 73, 2.034e-5},                                                      // 6
    {"Iron: Wrought iron, 0.5% C", 59, 1.626e-5},                                      // 7
    {"Iron: Steel(C max=1.5%): Carbon Steel C=0.5%", 54, 1.474e-5},                    // 8
    {"Iron: Steel(C max=1.5%): Carbon Steel C=1.0%", 43, 1.172e-5},                    // 9
    {"Iron: Steel(C max=1.5%): Carbon Steel C=1.5%", 36, 9.7e-6},                      // 10
    {"Iron: Steel(C max=1.5%): Nickel Steel Ni=0%", 73, 2.026e-5},                     // 11
    {"Iron: Steel(C max=1.5%): Nickel Steel Ni=20%", 19, 5.26e-6},                     // 12
    {"Iron: Steel(C max=1.5%): Nickel Steel Ni=40%", 10, 2.79e-6},                     // 13
    {"Iron: Steel(C max=1.5%): Nickel Steel Ni=80%", 35, 8.72e-6},                     // 14
    {"Iron: Steel(C max=1.5%): Invar 36% Ni", 10.7, 2.86e-6},                          // 15
    {"Iron: Steel(C max=1.5%): Chrome Steel Cr=0%", 73, 2.026e-5},                     // 16
    {"Iron: Steel(C max=1.5%): Chrome Steel Cr=1%", 61, 1.665e-5},                     // 17
    {"Iron: Steel(C max=1.5%): Chrome Steel Cr=5%", 40, 1.11e-5},                      // 18
    {"Iron: Steel(C max=1.5%): Chrome Steel Cr=20%", 22, 6.35e-6},                     // 19
    {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 15% Cr, 10% Ni", 19, 5.27e-6},    // 20
    {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 18% Cr, 8% Ni", 16.3, 4.44e-6},   // 21
    {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 20% Cr, 15% Ni", 15.1, 4.15e-6},  // 22
    {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 25% Cr, 20% Ni", 12.8, 3.61e-6},  // 23
    {"Iron: Steel(C max=1.5%): Tungsten steel W=0%", 73, 2.026e-5},                    // 24
    {"Iron: Steel(C max=1.5%): Tungsten steel W=1%", 66, 1.858e-5},                    // 25
    {"Iron: Steel(C max=1.5%): Tungsten steel W=5%", 54, 1.525e-5},                    // 26
    {"Iron: Steel(C max=1.5%): Tungsten steel W=10%", 48, 1.391e-5},                   // 27
    {"Copper: Pure", 386, 1.1234e-4},                                                  // 28
    {"Copper: Aluminum Bronze 95% Cu, 5% Al", 83, 2.33e-5},                            // 29
    {"Copper: Bronze 75% Cu, 25% Sn", 26, 8.59e-6},                                    // 30
    {"Copper: Red Brass 85% Cu, 9% Sn, 6% Zn", 61, 1.804e-5},                          // 31
    {"Copper: Brass 70% Cu, 30% Zn", 111, 3.412e-5},                                   // 32
    {"Copper: German Silver 62% Cu, 15% Ni, 22%Zn", 24.9, 7.33e-6},                    // 33
    {"Copper: Constantan 60% Cu, 40% Ni", 22.7, 6.12e-6},                              // 34
    {"Magnesium:  Pure", 171, 9.708e-5},                                               // 35
    {"Magnesium:  Mg-Al (electrolytic) 6-8% Al, 1-2% Zn", 66, 3.605e-5},               // 36
    {"Magnesium:  Molybdenum", 123, 4.79e-5},                                          // 37
    {"Nickel: Pure(99.9%)", 90, 2.266e-5},                                             // 38
    {"Nickel: Ni-Cr 90% Ni, 10% Cr", 17, 4.44e-6},                                     // 39
    {"Nickel: Ni-Cr 80% Ni, 20% Cr", 12.6, 3.43e-6},                                   // 40
    {"Silver: Purest", 419, 1.7004e-4},                                                // 41
    {"Silver: Pure(99.9%)", 407, 1.6563e-4},                                           // 42
    {"Tin: Pure", 64, 3.884e-5},                                                       // 43
    {"Tungsten", 163, 6.271e-5},                                                       // 44
    {"Zinc: Pure", 112.2, 4.106e-5},                                                   // 45
    {"Aluminum oxide, sapphire at 30 C", 46, 1.5e-5},                                  // 46
    {"Aluminum oxide, polycrystalline at 30 C", 36, 1.2e-5},                           // 47
    {"Asphalt at 20-55 C", 0.75, No_Value},                                            // 48
    {"Brick: Building brick, common  at 20 C", 0.69, 5.2e-7},                          // 49
    {"Brick: Building brick, Face  at 20 C", 1.32, 5.2e-7},                            // 50
    {"Brick: Carborundum brick at 600 C", 18.5, 5.2e-7},                               // 51
    {"Brick: Carborundum brick at 1400 C", 11.1, 5.2e-7},                              // 52
    {"Brick: Chrome brick at 200 C", 2.32, 9.2e-7},                                    // 53
    {"Brick: Chrome brick at 550 C", 2.47, 9.8e-7},                                    // 54
    {"Brick: Chrome brick at 900 C", 1.99, 7.9e-7},                                    // 55
    {"Brick: Diatomaceous earth, molded and fired at 200 C", 0.24, 7.9e-7},            // 56
    {"Brick: Diatomaceous earth, molded and fired at 870 C", 0.31, 7.9e-7},            // 57
    {"Brick: Fireclay brick at 500 C", 1.04, 5.4e-7},                                  // 58
    {"Brick: Fireclay brick Burnt 2426 F at 800 C", 1.07, 5.4e-7},                     // 59
    {"Brick: Fireclay brick Burnt 2426 F at 1100 C", 1.09, 5.4e-7},                    // 60
    {"Brick: Fireclay brick Burnt 2642 F at 500 C", 1.28, 5.8e-7},                     // 61
    {"Brick: Fireclay brick Burnt 2642 F at 800 C", 1.37, 5.8e-7},                     // 62
    {"Brick: Fireclay brick Burnt 2642 F at 1100 C", 1.4, 5.8e-7},                     // 63
    {"Brick: Fireclay brick: Missouri at 200 C", 1.0, 4e-7},                           // 64
    {"Brick: Fireclay brick: Missouri at 600 C", 1.47, 4e-7},                          // 65
    {"Brick: Fireclay brick: Missouri at 1400 C", 1.77, 4e-7},                         // 66
    {"Brick: Magnesite at 200 C", 3.81, 4e-7},                                         // 67
    {"Brick: Magnesite at 650 C", 2.77, 4e-7},                                         // 68
    {"Brick: Magnesite at 1200 C", 1.9, 4e-7},                                         // 69
    {"Cement, portland", 0.29, 4e-7},                                                  // 70
    {"Cement, Mortar at 23 C", 1.16, 4e-7},                                            // 71
    {"Coal, anthracite at 30 C", 0.26, 1.6e-7},                                        // 72
    {"Concrete, cinder at 23 C", 0.76, 1.6e-7},                                        // 73
    {"Concrete, Stone, 1-2-4 mix at 20 C", 1.37, 7e-7},                                // 74
    {"Glass, window at 20 C", 0.78, 3.4e-7},                                           // 75
    {"Glass, Corosilicate at 30-75 C", 1.09, 3.4e-7},                                  // 76
    {"Graphite, pyrolytic: parallel to layers at 30 C", 1900, 1.22e-3},                // 77
    {"Graphite, pyrolytic: perpendicular to layers at 30 C", 5.6, 3.6e-6},             // 78
    {"Particle board, low density at 30 C", 0.079, 1e-7},                              // 79
    {"Particle board, high density at 30 C", 0.17, 1.3e-7},                            // 80
    {"Plaster, gypsum at 20 C", 0.48, 4e-7},                                           // 81
    {"Plaster, Metal lath at 20 C", 0.47, 4e-7},                                       // 82
    {"Plaster, Wood lath at 20 C", 0.28, 4e-7},                                        // 83
    {"Polyethylene at 30 C", 0.33, 1.64e-7},                                           // 84
    {"Polypropylene at 30 C", 0.16, 7.3e-8},                                           // 85
    {"Polyvinylchloride at 30 C", 0.09, 4.8e-8},                                       // 86
    {"Rubber, hard at 30 C", 0.15, 6.2e-8},                                            // 87
    {"Silicon carbide at 30 C", 490, 2.29e-4},                                         // 88
    {"Stone: Granite", No_Value, No_Value},                                            // 89
    {"Stone: Granite", 2.855, 1.3e-6},                                                 // 90
    {"Stone: Limestone at 100-300 C", 1.295, 5.75e-7},                                 // 91
    {"Stone: Marble", 2.505, 1.18e-6},                                                 // 92
    {"Stone: Sandstone at 40 C", 1.83, 1.155e-6},                                      // 93
    {"Teflon at 30 C", 0.35, 1.5e-7},                                                  // 94
    {"Titanium dioxide at 30 C", 8.4, 2.9e-6},                                         // 95
    {"Wood (across the grain): Balsa, 8.8 lb/ft2 at 30 C", 0.055, No_Value},           // 96
    {"Wood (across the grain): Cypress at 30 C", 0.097, No_Value},                     // 97
    {"Wood (across the grain): Fir at 23 C", 0.11, 9.6e-8},                            // 98
    {"Wood (across the grain): Maple or Oak at 30 C", 0.166, 1.28e-7},                 // 99
    {"Wood (across the grain): Yellow pine at 23 C", 0.147, 8.2e-8},                   // 100
    {"Wood (across the grain): White pine at 30 C", 0.112, No_Value},                  // 101
    {"Acoustic tilee at 30 C", 0.06, 1.6e-7},                                          // 102
    {"Asbestos: Loosely packed at -45 C", 0.149, No_Value},                            // 103
    {"Asbestos: Loosely packed at 0 C", 0.154, 3.65e-7},                               // 104
    {"Asbestos: Loosely packed at 100 C", 0.161, No_Value},                            // 105
    {"Asbestos: Asbestos-cement, boards at 20 C", 0.74, No_Value},                     // 106
    {"Asbestos: Asbestos-cement, Sheets at 515 C", 0.166, No_Value},                   // 107
    {"Asbestos: Felt, 40 laminations/in at 38 C", 0.057, No_Value},                    // 108
    {"Asbestos: Felt, 40 laminations/in at 150 C", 0.069, No_Value},                   // 109
    {"Asbestos: Felt, 40 laminations/in at 260 C", 0.083, No_Value},                   // 110
    {"Asbestos: Felt, 20 laminations/in at 38 C", 0.078, No_Value},                    // 111
    {"Asbestos: Felt, 20 laminations/in at 150 C", 0.095, No_Value},                   // 112
    {"Asbestos: Felt, 20 laminations/in at 260 C", 0.112, No_Value},                   // 113
    {"Asbestos: Corrugated, 4 plies/in at 38 C", 0.087, No_Value},                     // 114
    {"Asbestos: Corrugated, 4 plies/in at 93 C", 0.1, No_Value},                       // 115
    {"Asbestos: Corrugated, 4 plies/in at 150 C", 0.119, No_Value},                    // 116
    {"Asbestos: Asbestos cement", 2.08, No_Value},                                     // 117
    {"Balsam wood, 2.2 lb/ft3 at 32 C", 0.04, No_Value},                               // 118
    {"Cardboard, corrugated", 0.064, No_Value},                                        // 119
    {"Cardboard, Celotex at 32 C", 0.048, No_Value},                                   // 120
    {"Corkboard, 10 lb/ft3 at 30 C", 0.043, No_Value},                                 // 121
    {"Cork, reganulated at 32 C", 0.045, 2.75e-7},                                     // 122
    {"Cork, Ground at 32 C", 0.043, No_Value},                                         // 123
    {"Diamond, Type IIa, insulator at 30 C", 2300, 1.29e-3},                           // 124
    {"Diatomaceous earth (Sil-o-cel) at 0 C", 0.061, No_Value},                        // 125
    {"Felt, hair at 30 C", 0.036, No_Value},                                           // 126
    {"Felt, Wool at 30 C", 0.052, No_Value},                                           // 127
    {"Fiber, insulating board at 20 C", 0.048, No_Value},                              // 128
    {"Glass wool, 1.5 lb/ft3 at 23 C", 0.038, 2.26e-6},                                // 129
    {"Glass fiber, duct liner at 30 C", 0.038, 1.41e-6},                               // 130
    {"Glass fiber, loose blown at 30 C", 0.043, 3.2e-6},                               // 131
    {"Ice at 0 C", 2.22, No_Value},                                                    // 132
    {"Insulex, dry at 32 C", 0.064, No_Value},                                         // 133
    {"Insulex, dry", 0.144, No_Value},                                                 // 134
    {"Kapok at 30 C", 0.035, No_Value},                                                // 135
    {"Magnesia, 85% at 38 C", 0.067, No_Value},                                        // 136
    {"Magnesia, 85% at 93 C", 0.071, No_Value},                                        // 137
    {"Magnesia, 85% at 150 C", 0.074, No_Value},                                       // 138
    {"Magnesia, 85% at 204 C", 0.08, No_Value},                                        // 139
    {"Rock wool, 10lb/ft3 at 32 C", 0.04, No_Value},                                   // 140
    {"Rock wool, 10lb/ft3: Loosely packed at 150 C", 0.067, No_Value},                 // 141
    {"Rock wool, 10lb/ft3: Loosely packed at 260 C", 0.087, No_Value},                 // 142
    {"Sawdust at 23 C", 0.059, No_Value},                                              // 143
    {"Silica aerogel at 32 C", 0.024, No_Value},                                       // 144
    {"Styrofoam at 32 C", 0.033, No_Value},                                            // 145
    {"Wood shavings at 23 C", 0.059, No_Value},                                        // 146
}};

}  // namespace

const std::array<Material, Material_Count>& Material_Table() {
    return Library;
}

Material_Choice Choose_Material(int row, int kind) {
    Material_Choice choice;
    double k = 0.0;
    double alpha = 0.0;
    if (row >= 0 && row < Material_Count) {
        const Material& m = Library[static_cast<std::size_t>(row)];
        if (m.Has_Conductivity()) {
            k = m.Conductivity;
        }
        if (m.Has_Diffusivity()) {
            alpha = m.Diffusivity;
        }
        // The empty row writes zeros without a word: it has nothing to
        // complain about that the student could act on.
        if (m.Has_Conductivity() && !m.Has_Diffusivity()) {
            choice.Conductivity_Only = true;
            choice.Message =
                std::string("CALORIX has only the value for thermal conductivity for ") + m.Name;
        }
    }
    choice.Conductivity_Text = Plain_Number_Text(k);
    choice.Write_Diffusivity = kind == Kind_Transient_1D || kind == Kind_Transient_2D;
    if (choice.Write_Diffusivity) {
        choice.Diffusivity_Text = Plain_Number_Text(alpha);
    }
    return choice;
}

}  // namespace calorix
