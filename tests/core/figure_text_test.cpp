#include <gtest/gtest.h>

#include "output/figure_text.h"

using namespace calorix;

TEST(Figure_Text, Title_Note_And_Frame_Names) {
    EXPECT_EQ(Figure_Title(1, 0), "2-D Steady State Problem");
    // 3725 s = 1 h 2 min 5 s.
    EXPECT_EQ(Figure_Title(3, 3725), "2-D Transient Problem, t = 3725 s (1 h 2 min 5 s)");
    EXPECT_EQ(Figure_Title(3, 0.5), "2-D Transient Problem, t = 0.5 s (0 h 0 min 0 s)");

    EXPECT_EQ(Range_Note(false, 20, 80, 0, 100), "");
    EXPECT_EQ(Range_Note(true, 20, 80, 0, 100),
              "Colour range clipped to 20 to 80 C (data 0 to 100 C)");
    EXPECT_EQ(Range_Note(true, 0, 99.996, 0, 100),
              "Colour range clipped to 0 to 100 C (data 0 to 100 C)");
    EXPECT_EQ(Range_Note(true, -10, 150.125, 0, 100), "Colour range set by hand: -10 to 150.13 C");

    EXPECT_EQ(Frame_File_Name("plate", 7, 500), "plate_0007.png");
    EXPECT_EQ(Frame_File_Name("plate", 12, 20000), "plate_00012.png");
}
