#include "materials/material_table.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "common/problem_definition.h"

using namespace calorix;

// The whole library, row by row: names (misspellings and double blanks
// included), conductivity in W/m.K and diffusivity in m^2/s, None_ where the
// library has no value.  Transcribed from the published table.
TEST(MaterialTable, EveryRowNameAndValues) {
    constexpr double None_ = -1;
    struct Row_Text {
        const char* name;
        double k, alpha;
    };
    const Row_Text expected[] = {
        {"Aluminum Pure", 204, 8.418e-5},
        {"Aluminum: Al-Cu (Duralumin),94-96% Al,3-5% Cu, trace Mg", 164, 6.676e-5},
        {"Aluminum: Al-Si(Silumin,copper-bearing),86.5% Al,1% Cu", 137, 5.933e-5},
        {"Aluminum: Al-Si(Alusil),78-80% Al, 20-22% Si", 161, 7.172e-5},
        {"Aluminum: Al-Mg-Si, 97% Al, 1% Mg, 1% Si, 1% Mn", 177, 7.311e-5},
        {"Lead", 35, 2.343e-5},
        {"Iron: Pure", 73, 2.034e-5},
        {"Iron: Wrought iron, 0.5% C", 59, 1.626e-5},
        {"Iron: Steel(C max=1.5%): Carbon Steel C=0.5%", 54, 1.474e-5},
        {"Iron: Steel(C max=1.5%): Carbon Steel C=1.0%", 43, 1.172e-5},
        {"Iron: Steel(C max=1.5%): Carbon Steel C=1.5%", 36, 9.7e-6},
        {"Iron: Steel(C max=1.5%): Nickel Steel Ni=0%", 73, 2.026e-5},
        {"Iron: Steel(C max=1.5%): Nickel Steel Ni=20%", 19, 5.26e-6},
        {"Iron: Steel(C max=1.5%): Nickel Steel Ni=40%", 10, 2.79e-6},
        {"Iron: Steel(C max=1.5%): Nickel Steel Ni=80%", 35, 8.72e-6},
        {"Iron: Steel(C max=1.5%): Invar 36% Ni", 10.7, 2.86e-6},
        {"Iron: Steel(C max=1.5%): Chrome Steel Cr=0%", 73, 2.026e-5},
        {"Iron: Steel(C max=1.5%): Chrome Steel Cr=1%", 61, 1.665e-5},
        {"Iron: Steel(C max=1.5%): Chrome Steel Cr=5%", 40, 1.11e-5},
        {"Iron: Steel(C max=1.5%): Chrome Steel Cr=20%", 22, 6.35e-6},
        {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 15% Cr, 10% Ni", 19, 5.27e-6},
        {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 18% Cr, 8% Ni", 16.3, 4.44e-6},
        {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 20% Cr, 15% Ni", 15.1, 4.15e-6},
        {"Iron: Steel(C max=1.5%): Cr-Ni (Chrome-Nickel) 25% Cr, 20% Ni", 12.8, 3.61e-6},
        {"Iron: Steel(C max=1.5%): Tungsten steel W=0%", 73, 2.026e-5},
        {"Iron: Steel(C max=1.5%): Tungsten steel W=1%", 66, 1.858e-5},
        {"Iron: Steel(C max=1.5%): Tungsten steel W=5%", 54, 1.525e-5},
        {"Iron: Steel(C max=1.5%): Tungsten steel W=10%", 48, 1.391e-5},
        {"Copper: Pure", 386, 1.1234e-4},
        {"Copper: Aluminum Bronze 95% Cu, 5% Al", 83, 2.33e-5},
        {"Copper: Bronze 75% Cu, 25% Sn", 26, 8.59e-6},
        {"Copper: Red Brass 85% Cu, 9% Sn, 6% Zn", 61, 1.804e-5},
        {"Copper: Brass 70% Cu, 30% Zn", 111, 3.412e-5},
        {"Copper: German Silver 62% Cu, 15% Ni, 22%Zn", 24.9, 7.33e-6},
        {"Copper: Constantan 60% Cu, 40% Ni", 22.7, 6.12e-6},
        {"Magnesium:  Pure", 171, 9.708e-5},
        {"Magnesium:  Mg-Al (electrolytic) 6-8% Al, 1-2% Zn", 66, 3.605e-5},
        {"Magnesium:  Molybdenum", 123, 4.79e-5},
        {"Nickel: Pure(99.9%)", 90, 2.266e-5},
        {"Nickel: Ni-Cr 90% Ni, 10% Cr", 17, 4.44e-6},
        {"Nickel: Ni-Cr 80% Ni, 20% Cr", 12.6, 3.43e-6},
        {"Silver: Purest", 419, 1.7004e-4},
        {"Silver: Pure(99.9%)", 407, 1.6563e-4},
        {"Tin: Pure", 64, 3.884e-5},
        {"Tungsten", 163, 6.271e-5},
        {"Zinc: Pure", 112.2, 4.106e-5},
        {"Aluminum oxide, sapphire at 30 C", 46, 1.5e-5},
        {"Aluminum oxide, polycrystalline at 30 C", 36, 1.2e-5},
        {"Asphalt at 20-55 C", 0.75, None_},
        {"Brick: Building brick, common  at 20 C", 0.69, 5.2e-7},
        {"Brick: Building brick, Face  at 20 C", 1.32, 5.2e-7},
        {"Brick: Carborundum brick at 600 C", 18.5, 5.2e-7},
        {"Brick: Carborundum brick at 1400 C", 11.1, 5.2e-7},
        {"Brick: Chrome brick at 200 C", 2.32, 9.2e-7},
        {"Brick: Chrome brick at 550 C", 2.47, 9.8e-7},
        {"Brick: Chrome brick at 900 C", 1.99, 7.9e-7},
        {"Brick: Diatomaceous earth, molded and fired at 200 C", 0.24, 7.9e-7},
        {"Brick: Diatomaceous earth, molded and fired at 870 C", 0.31, 7.9e-7},
        {"Brick: Fireclay brick at 500 C", 1.04, 5.4e-7},
        {"Brick: Fireclay brick Burnt 2426 F at 800 C", 1.07, 5.4e-7},
        {"Brick: Fireclay brick Burnt 2426 F at 1100 C", 1.09, 5.4e-7},
        {"Brick: Fireclay brick Burnt 2642 F at 500 C", 1.28, 5.8e-7},
        {"Brick: Fireclay brick Burnt 2642 F at 800 C", 1.37, 5.8e-7},
        {"Brick: Fireclay brick Burnt 2642 F at 1100 C", 1.4, 5.8e-7},
        {"Brick: Fireclay brick: Missouri at 200 C", 1.0, 4e-7},
        {"Brick: Fireclay brick: Missouri at 600 C", 1.47, 4e-7},
        {"Brick: Fireclay brick: Missouri at 1400 C", 1.77, 4e-7},
        {"Brick: Magnesite at 200 C", 3.81, 4e-7},
        {"Brick: Magnesite at 650 C", 2.77, 4e-7},
        {"Brick: Magnesite at 1200 C", 1.9, 4e-7},
        {"Cement, portland", 0.29, 4e-7},
        {"Cement, Mortar at 23 C", 1.16, 4e-7},
        {"Coal, anthracite at 30 C", 0.26, 1.6e-7},
        {"Concrete, cinder at 23 C", 0.76, 1.6e-7},
        {"Concrete, Stone, 1-2-4 mix at 20 C", 1.37, 7e-7},
        {"Glass, window at 20 C", 0.78, 3.4e-7},
        {"Glass, Corosilicate at 30-75 C", 1.09, 3.4e-7},
        {"Graphite, pyrolytic: parallel to layers at 30 C", 1900, 1.22e-3},
        {"Graphite, pyrolytic: perpendicular to layers at 30 C", 5.6, 3.6e-6},
        {"Particle board, low density at 30 C", 0.079, 1e-7},
        {"Particle board, high density at 30 C", 0.17, 1.3e-7},
        {"Plaster, gypsum at 20 C", 0.48, 4e-7},
        {"Plaster, Metal lath at 20 C", 0.47, 4e-7},
        {"Plaster, Wood lath at 20 C", 0.28, 4e-7},
        {"Polyethylene at 30 C", 0.33, 1.64e-7},
        {"Polypropylene at 30 C", 0.16, 7.3e-8},
        {"Polyvinylchloride at 30 C", 0.09, 4.8e-8},
        {"Rubber, hard at 30 C", 0.15, 6.2e-8},
        {"Silicon carbide at 30 C", 490, 2.29e-4},
        {"Stone: Granite", None_, None_},
        {"Stone: Granite", 2.855, 1.3e-6},
        {"Stone: Limestone at 100-300 C", 1.295, 5.75e-7},
        {"Stone: Marble", 2.505, 1.18e-6},
        {"Stone: Sandstone at 40 C", 1.83, 1.155e-6},
        {"Teflon at 30 C", 0.35, 1.5e-7},
        {"Titanium dioxide at 30 C", 8.4, 2.9e-6},
        {"Wood (across the grain): Balsa, 8.8 lb/ft2 at 30 C", 0.055, None_},
        {"Wood (across the grain): Cypress at 30 C", 0.097, None_},
        {"Wood (across the grain): Fir at 23 C", 0.11, 9.6e-8},
        {"Wood (across the grain): Maple or Oak at 30 C", 0.166, 1.28e-7},
        {"Wood (across the grain): Yellow pine at 23 C", 0.147, 8.2e-8},
        {"Wood (across the grain): White pine at 30 C", 0.112, None_},
        {"Acoustic tilee at 30 C", 0.06, 1.6e-7},
        {"Asbestos: Loosely packed at -45 C", 0.149, None_},
        {"Asbestos: Loosely packed at 0 C", 0.154, 3.65e-7},
        {"Asbestos: Loosely packed at 100 C", 0.161, None_},
        {"Asbestos: Asbestos-cement, boards at 20 C", 0.74, None_},
        {"Asbestos: Asbestos-cement, Sheets at 515 C", 0.166, None_},
        {"Asbestos: Felt, 40 laminations/in at 38 C", 0.057, None_},
        {"Asbestos: Felt, 40 laminations/in at 150 C", 0.069, None_},
        {"Asbestos: Felt, 40 laminations/in at 260 C", 0.083, None_},
        {"Asbestos: Felt, 20 laminations/in at 38 C", 0.078, None_},
        {"Asbestos: Felt, 20 laminations/in at 150 C", 0.095, None_},
        {"Asbestos: Felt, 20 laminations/in at 260 C", 0.112, None_},
        {"Asbestos: Corrugated, 4 plies/in at 38 C", 0.087, None_},
        {"Asbestos: Corrugated, 4 plies/in at 93 C", 0.1, None_},
        {"Asbestos: Corrugated, 4 plies/in at 150 C", 0.119, None_},
        {"Asbestos: Asbestos cement", 2.08, None_},
        {"Balsam wood, 2.2 lb/ft3 at 32 C", 0.04, None_},
        {"Cardboard, corrugated", 0.064, None_},
        {"Cardboard, Celotex at 32 C", 0.048, None_},
        {"Corkboard, 10 lb/ft3 at 30 C", 0.043, None_},
        {"Cork, reganulated at 32 C", 0.045, 2.75e-7},
        {"Cork, Ground at 32 C", 0.043, None_},
        {"Diamond, Type IIa, insulator at 30 C", 2300, 1.29e-3},
        {"Diatomaceous earth (Sil-o-cel) at 0 C", 0.061, None_},
        {"Felt, hair at 30 C", 0.036, None_},
        {"Felt, Wool at 30 C", 0.052, None_},
        {"Fiber, insulating board at 20 C", 0.048, None_},
        {"Glass wool, 1.5 lb/ft3 at 23 C", 0.038, 2.26e-6},
        {"Glass fiber, duct liner at 30 C", 0.038, 1.41e-6},
        {"Glass fiber, loose blown at 30 C", 0.043, 3.2e-6},
        {"Ice at 0 C", 2.22, None_},
        {"Insulex, dry at 32 C", 0.064, None_},
        {"Insulex, dry", 0.144, None_},
        {"Kapok at 30 C", 0.035, None_},
        {"Magnesia, 85% at 38 C", 0.067, None_},
        {"Magnesia, 85% at 93 C", 0.071, None_},
        {"Magnesia, 85% at 150 C", 0.074, None_},
        {"Magnesia, 85% at 204 C", 0.08, None_},
        {"Rock wool, 10lb/ft3 at 32 C", 0.04, None_},
        {"Rock wool, 10lb/ft3: Loosely packed at 150 C", 0.067, None_},
        {"Rock wool, 10lb/ft3: Loosely packed at 260 C", 0.087, None_},
        {"Sawdust at 23 C", 0.059, None_},
        {"Silica aerogel at 32 C", 0.024, None_},
        {"Styrofoam at 32 C", 0.033, None_},
        {"Wood shavings at 23 C", 0.059, None_},
    };
    ASSERT_EQ(Material_Table().size(), std::size(expected));
    int conductivity_only = 0;
    for (std::size_t r = 0; r < std::size(expected); ++r) {
        const Material& m = Material_Table()[r];
        const Row_Text& e = expected[r];
        EXPECT_STREQ(m.Name, e.name) << "row " << r;
        if (e.k == None_) {
            EXPECT_FALSE(m.Has_Conductivity()) << "row " << r;
        } else {
            EXPECT_EQ(m.Conductivity, e.k) << "row " << r;
        }
        if (e.alpha == None_) {
            EXPECT_FALSE(m.Has_Diffusivity()) << "row " << r;
            conductivity_only += e.k != None_;
        } else {
            EXPECT_EQ(m.Diffusivity, e.alpha) << "row " << r;
        }
    }
    EXPECT_EQ(conductivity_only, 42);
}

// The texts written into the boxes follow the plain number rule (1.22e-3 is
// not below 0.001: plain form without the leading zero); the diffusivity is
// written on the transient tabs only.  A row without a diffusivity asks for
// it, on every tab; the empty granite row and no selection write zero
// silently.
TEST(MaterialChoice, BoxTextsAndMessageOfTheChosenRow) {
    const struct {
        int row, kind;
        const char *k, *alpha;  // alpha: not written on a steady tab
        bool conductivity_only;
    } cases[] = {
        {28, Kind_Transient_2D, " 386", " 1.1234E-04", false},
        {48, Kind_Transient_1D, " .75", " 0", true},
        {48, Kind_Steady_1D, " .75", nullptr, true},
        {48, Kind_Steady_2D, " .75", nullptr, true},
        {89, Kind_Transient_2D, " 0", " 0", false},
        {-1, Kind_Transient_2D, " 0", " 0", false},
        {147, Kind_Transient_2D, " 0", " 0", false},
        {90, Kind_Transient_1D, " 2.855", " 1.3E-06", false},
        {77, Kind_Transient_2D, " 1900", " .00122", false},
        {79, Kind_Steady_2D, " .079", nullptr, false},
        {85, Kind_Transient_2D, " .16", " 7.3E-08", false},
        {15, Kind_Transient_2D, " 10.7", " 2.86E-06", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " kind " << c.kind);
        const Material_Choice m = Choose_Material(c.row, c.kind);
        EXPECT_EQ(m.Conductivity_Text, c.k);
        EXPECT_EQ(m.Write_Diffusivity, c.alpha != nullptr);
        if (c.alpha) {
            EXPECT_EQ(m.Diffusivity_Text, c.alpha);
        }
        EXPECT_EQ(m.Conductivity_Only, c.conductivity_only);
        EXPECT_EQ(m.Message, c.conductivity_only ? "CALORIX has only the value for thermal "
                                                   "conductivity for Asphalt at 20-55 C"
                                                 : "");
    }
}
