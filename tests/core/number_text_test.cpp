#include "common/number_text.h"

#include <gtest/gtest.h>

using namespace calorix;

TEST(TextToNumber, Placeholder) { EXPECT_DOUBLE_EQ(Text_To_Number("2.5E1"), 25.0); }
