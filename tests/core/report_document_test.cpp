#include <gtest/gtest.h>

#include "output/report_document.h"

using namespace calorix;

// A table of 1 + 10 rows and 1 + 5 columns: 4 rows fit under the inputs, 6
// on a full page, 3 columns a page.  Columns 1-3 are read down first.
TEST(Report_Document, Table_Pages_Cut_Columns_Then_Rows) {
    const std::vector<Table_Page> pages = Table_Pages(11, 6, 4, 6, 3);
    ASSERT_EQ(pages.size(), 4u);
    const int expected[4][4] = {{1, 4, 1, 3}, {5, 10, 1, 3}, {1, 6, 4, 5}, {7, 10, 4, 5}};
    for (std::size_t k = 0; k < pages.size(); ++k) {
        EXPECT_EQ(pages[k].First_Row, expected[k][0]) << k;
        EXPECT_EQ(pages[k].Last_Row, expected[k][1]) << k;
        EXPECT_EQ(pages[k].First_Col, expected[k][2]) << k;
        EXPECT_EQ(pages[k].Last_Col, expected[k][3]) << k;
    }
    EXPECT_TRUE(Table_Pages(1, 6, 4, 6, 3).empty());  // headers only: nothing to page
}
