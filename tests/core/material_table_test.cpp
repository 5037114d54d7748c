#include "materials/material_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "input/problem_definition.h"

using namespace calorix;

namespace {

const Material& Row(int r) {
    return Material_Table()[static_cast<std::size_t>(r)];
}

}  // namespace

TEST(MaterialTable, RowsNamesAndValues) {
    ASSERT_EQ(Material_Table().size(), 147u);
    EXPECT_STREQ(Row(0).Name, "Aluminum Pure");
    EXPECT_EQ(Row(0).Conductivity, 204);
    EXPECT_EQ(Row(0).Diffusivity, 8.418e-5);
    EXPECT_STREQ(Row(28).Name, "Copper: Pure");
    EXPECT_EQ(Row(28).Conductivity, 386);
    EXPECT_EQ(Row(28).Diffusivity, 1.1234e-4);
    // Double blanks and misspellings belong to the names.
    EXPECT_STREQ(Row(35).Name, "Magnesium:  Pure");
    EXPECT_STREQ(Row(37).Name, "Magnesium:  Molybdenum");
    EXPECT_STREQ(Row(49).Name, "Brick: Building brick, common  at 20 C");
    EXPECT_STREQ(Row(50).Name, "Brick: Building brick, Face  at 20 C");
    EXPECT_STREQ(Row(102).Name, "Acoustic tilee at 30 C");
    EXPECT_STREQ(Row(122).Name, "Cork, reganulated at 32 C");
    EXPECT_STREQ(Row(33).Name, "Copper: German Silver 62% Cu, 15% Ni, 22%Zn");
    EXPECT_EQ(Row(124).Conductivity, 2300);
    EXPECT_EQ(Row(124).Diffusivity, 1.29e-3);
    EXPECT_STREQ(Row(146).Name, "Wood shavings at 23 C");
    EXPECT_EQ(Row(146).Conductivity, 0.059);
    EXPECT_FALSE(Row(146).Has_Diffusivity());

    // The two granite rows are the only repeated name.
    std::set<std::string> names;
    for (const Material& m : Material_Table()) {
        names.insert(m.Name);
    }
    EXPECT_EQ(names.size(), 146u);
    EXPECT_STREQ(Row(89).Name, "Stone: Granite");
    EXPECT_STREQ(Row(90).Name, "Stone: Granite");
}

TEST(MaterialTable, MissingValues) {
    int conductivity_only = 0;
    int empty = 0;
    for (const Material& m : Material_Table()) {
        EXPECT_TRUE(m.Has_Conductivity() || !m.Has_Diffusivity()) << m.Name;
        if (m.Has_Conductivity() && !m.Has_Diffusivity()) {
            ++conductivity_only;
        }
        if (!m.Has_Conductivity()) {
            ++empty;
        }
    }
    EXPECT_EQ(conductivity_only, 42);
    EXPECT_EQ(empty, 1);
    EXPECT_FALSE(Row(89).Has_Conductivity());
    EXPECT_FALSE(Row(89).Has_Diffusivity());
    EXPECT_EQ(Row(90).Conductivity, 2.855);
    EXPECT_EQ(Row(90).Diffusivity, 1.3e-6);
    EXPECT_FALSE(Row(48).Has_Diffusivity());  // asphalt
    EXPECT_TRUE(Row(104).Has_Diffusivity());  // the one asbestos row with both
    EXPECT_FALSE(Row(103).Has_Diffusivity());
}

TEST(MaterialChoice, CopperOnTheTwoDimensionalTransientTab) {
    const Material_Choice c = Choose_Material(28, Kind_Transient_2D);
    EXPECT_EQ(c.Conductivity_Text, " 386");
    EXPECT_TRUE(c.Write_Diffusivity);
    EXPECT_EQ(c.Diffusivity_Text, " 1.1234E-04");
    EXPECT_FALSE(c.Conductivity_Only);
    EXPECT_EQ(c.Message, "");
}

TEST(MaterialChoice, ConductivityOnlyRowsAskForTheDiffusivity) {
    const Material_Choice c = Choose_Material(48, Kind_Transient_1D);
    EXPECT_EQ(c.Conductivity_Text, " .75");
    EXPECT_TRUE(c.Write_Diffusivity);
    EXPECT_EQ(c.Diffusivity_Text, " 0");
    EXPECT_TRUE(c.Conductivity_Only);
    EXPECT_EQ(c.Message,
              "CALORIX has only the value for thermal conductivity for Asphalt at 20-55 C");

    // On a steady tab only the conductivity is written; the message stays.
    const Material_Choice s = Choose_Material(48, Kind_Steady_1D);
    EXPECT_EQ(s.Conductivity_Text, " .75");
    EXPECT_FALSE(s.Write_Diffusivity);
    EXPECT_TRUE(s.Conductivity_Only);
    EXPECT_EQ(s.Message, c.Message);
    EXPECT_FALSE(Choose_Material(48, Kind_Steady_2D).Write_Diffusivity);
}

TEST(MaterialChoice, EmptyRowAndNoSelectionWriteZeroSilently) {
    for (int row : {89, -1, 147}) {
        SCOPED_TRACE(row);
        const Material_Choice c = Choose_Material(row, Kind_Transient_2D);
        EXPECT_EQ(c.Conductivity_Text, " 0");
        EXPECT_EQ(c.Diffusivity_Text, " 0");
        EXPECT_FALSE(c.Conductivity_Only);
        EXPECT_EQ(c.Message, "");
    }
    // The second granite row has both values.
    const Material_Choice g = Choose_Material(90, Kind_Transient_1D);
    EXPECT_EQ(g.Conductivity_Text, " 2.855");
    EXPECT_EQ(g.Diffusivity_Text, " 1.3E-06");
    EXPECT_FALSE(g.Conductivity_Only);
}

TEST(MaterialChoice, TextsFollowThePlainNumberRule) {
    // 1.22e-3 is not below 0.001: plain form without the leading zero.
    EXPECT_EQ(Choose_Material(77, Kind_Transient_2D).Diffusivity_Text, " .00122");
    EXPECT_EQ(Choose_Material(77, Kind_Transient_2D).Conductivity_Text, " 1900");
    EXPECT_EQ(Choose_Material(79, Kind_Steady_2D).Conductivity_Text, " .079");
    EXPECT_EQ(Choose_Material(85, Kind_Transient_2D).Diffusivity_Text, " 7.3E-08");
    EXPECT_EQ(Choose_Material(15, Kind_Transient_2D).Conductivity_Text, " 10.7");
}
