#include "materials/material_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/problem_definition.h"

using namespace calorix;

// The whole library against the published material table, which was read by
// a separate script (not by this program) into: the row count, the rows
// without a conductivity or a diffusivity, the sums of the conductivities
// (W/m.K) and of the diffusivities (m^2/s), the same sums weighted by row + 1
// (a moved row changes them), and the 64-bit FNV-1a hash of every name
// followed by a newline, in list order (a changed letter, blank or order
// changes it).  A few rows are spelled out.
TEST(MaterialTable, AgreesWithThePublishedTable) {
    const auto& table = Material_Table();
    ASSERT_EQ(table.size(), 147u);
    int no_conductivity = 0, no_diffusivity = 0;
    double k_sum = 0, k_weighted = 0, alpha_sum = 0, alpha_weighted = 0;
    std::uint64_t name_hash = 0xcbf29ce484222325u;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const Material& m = table[r];
        if (m.Has_Conductivity()) {
            k_sum += m.Conductivity;
            k_weighted += static_cast<double>(r + 1) * m.Conductivity;
        } else {
            ++no_conductivity;
        }
        if (m.Has_Diffusivity()) {
            alpha_sum += m.Diffusivity;
            alpha_weighted += static_cast<double>(r + 1) * m.Diffusivity;
        } else {
            ++no_diffusivity;
        }
        for (const char* c = m.Name;; ++c) {
            name_hash = (name_hash ^ static_cast<unsigned char>(*c ? *c : '\n')) * 0x100000001b3u;
            if (*c == '\0') {
                break;
            }
        }
    }
    EXPECT_EQ(no_conductivity, 1);
    EXPECT_EQ(no_diffusivity, 43);  // the 42 conductivity-only rows and the empty one
    EXPECT_DOUBLE_EQ(k_sum, 9021.434);
    EXPECT_DOUBLE_EQ(k_weighted, 598699.997);
    EXPECT_DOUBLE_EQ(alpha_sum, 0.004331913);
    EXPECT_DOUBLE_EQ(alpha_weighted, 0.321538776);
    EXPECT_EQ(name_hash, 0x8322c79b4d14740au);

    EXPECT_STREQ(table[0].Name, "Aluminum Pure");
    EXPECT_EQ(table[0].Conductivity, 204);
    EXPECT_EQ(table[0].Diffusivity, 8.418e-5);
    EXPECT_STREQ(table[28].Name, "Copper: Pure");
    EXPECT_EQ(table[28].Diffusivity, 1.1234e-4);
    EXPECT_STREQ(table[48].Name, "Asphalt at 20-55 C");
    EXPECT_EQ(table[48].Conductivity, 0.75);
    EXPECT_FALSE(table[48].Has_Diffusivity());
    EXPECT_STREQ(table[89].Name, "Stone: Granite");
    EXPECT_FALSE(table[89].Has_Conductivity());
    EXPECT_STREQ(table[146].Name, "Wood shavings at 23 C");
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
