// The results table read back as a reader of the window, the clipboard and a
// spreadsheet sees it: texts made on demand from the stores, the widths that
// bound a column, the tab-separated copy and the CSV text.  A 4 x 2 plate
// whose every expected text is worked out by hand from the format rules.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/output_model.h"
#include "common/run_error.h"
#include "common/text_table_sources.h"
#include "file_support.h"
#include "output/table_export.h"
#include "solvers/presentation.h"

using namespace calorix;

namespace {

class Plate_Table : public ::testing::Test {
  protected:
    void SetUp() override {
        Steady_2D_Store& s = stores_.Steady_2D;
        s.X_Nodes_2D = 4;
        s.Y_Nodes_2D = 2;
        s.Temperature_2D.Dimension(4, 2);
        s.Location_2D.Dimension(4);
        for (int m = 1; m <= 4; ++m) {
            s.Location_2D(m) = (m - 1) * 0.1;  // 3 * 0.1 is 0.30000000000000004
        }
        const double t[4][2] = {{100, 25}, {62.456, 99.994}, {-3.14159, 0.004}, {1.0 / 3, -1234.5}};
        for (int i = 1; i <= 4; ++i) {
            for (int j = 1; j <= 2; ++j) {
                s.Temperature_2D(i, j) = t[i - 1][j - 1];
            }
        }
        Display_Steady_State_2D_Results(s, out_);
    }
    const Text_Table& Table() const { return out_.Output_Table; }
    Result_Stores stores_;
    Output_Model out_;
};

TEST_F(Plate_Table, WidthTextsBoundEveryCellOfTheirColumn) {
    // Sign when any value is negative, the integer digits of the largest
    // magnitude, every decimal of the pattern.
    const std::vector<std::vector<std::string>> expected = {
        {"0.000"}, {"100.00"}, {"99.00"}, {"-3.00"}, {"-1234.00"}};
    for (int c = 0; c < 5; ++c) {
        const std::vector<std::string> texts = Table().Column_Width_Texts(c, 1);
        EXPECT_EQ(texts, expected[static_cast<std::size_t>(c)]) << c;
        for (int r = 1; r < 3; ++r) {
            EXPECT_GE(texts.at(0).size(), Table().Cell(r, c).size()) << r << "," << c;
        }
    }
}

TEST_F(Plate_Table, TabSeparatedBlockCarriesItsHeadings) {
    struct Case {
        int r0, r1, c0, c1;
        std::string text;
    };
    const Case cases[] = {
        {1, 2, 2, 3, "T(x,y)\t0.1\t0.2\n0.\t62.46\t-3.14\n0.1\t99.99\t0.\n"},
        {2, 2, 4, 4, "T(x,y)\t0.3\n0.1\t-1234.5\n"},
        // Everything, as Select All gives it; limits beyond the table are cut.
        {0, 9, 0, 9,
         "T(x,y)\t0.\t0.1\t0.2\t0.3\n0.\t100.\t62.46\t-3.14\t0.33\n"
         "0.1\t25.\t99.99\t0.\t-1234.5\n"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(Table_Tsv_Text(Table(), k.r0, k.r1, k.c0, k.c1), k.text);
    }
    // The cells read the store as it is now: a changed node shows at once.
    stores_.Steady_2D.Temperature_2D(2, 2) = 7.004;
    EXPECT_EQ(Table_Tsv_Text(Table(), 2, 2, 2, 2), "T(x,y)\t0.1\n0.1\t7.\n");
}

TEST_F(Plate_Table, CsvHoldsTheStoredNumbersAtFullPrecision) {
    EXPECT_EQ(Table_Csv_Text(Table()),
              "\"T(x,y)\",0,0.1,0.2,0.30000000000000004\n"
              "0,100,62.456,-3.14159,0.3333333333333333\n"
              "0.1,25,99.994,0.004,-1234.5\n");
}

// A disk that fills up after 50 bytes of the 108: the older export survives.
TEST_F(Plate_Table, FailedExportKeepsTheOldFile) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "calorix_export.csv").string();
    file_test::Write(path, "old,1\n");
    EXPECT_FALSE(file_test::With_Size_Limit(50, [&] { return Export_Table_Csv(Table(), path); }));
    EXPECT_EQ(file_test::Bytes(path), "old,1\n");
    ASSERT_TRUE(Export_Table_Csv(Table(), path));
    EXPECT_EQ(file_test::Bytes(path), Table_Csv_Text(Table()));
    std::filesystem::remove(path);
}

TEST(TableExport, TextsAreQuotedOnlyWhenTheyMustBe) {
    Text_Table t;
    t.Set_Rows(2);
    t.Set_Cols(2);
    t.Set_Cell(0, 0, "T(t,x)");
    t.Set_Cell(0, 1, "say \"hot\"");
    t.Set_Cell(1, 0, "line\nbreak");
    t.Set_Cell(1, 1, "a\tb");
    EXPECT_EQ(Table_Csv_Text(t), "\"T(t,x)\",\"say \"\"hot\"\"\"\n\"line\nbreak\",a\tb\n");
    EXPECT_EQ(Table_Tsv_Text(t, 1, 1, 1, 1),
              "T(t,x)\t\"say \"\"hot\"\"\"\n\"line\nbreak\"\t\"a\tb\"\n");
}

TEST(TableExport, CsvExtensionIsAddedOnlyToABareName) {
    const std::pair<std::string, std::string> cases[] = {
        {"/tmp/run", "/tmp/run.csv"},     {"/tmp/run.csv", "/tmp/run.csv"},
        {"/tmp/run.txt", "/tmp/run.txt"}, {"/tmp/v1.2/run", "/tmp/v1.2/run.csv"},
        {"/tmp/Größe", "/tmp/Größe.csv"}, {"", ""},
    };
    for (const auto& [typed, path] : cases) {
        EXPECT_EQ(Csv_Path(typed), path) << typed;
    }
}

// Cells written one by one and blocks read on demand overwrite each other in
// the order they were set, like texts written into a grid.
TEST(TextTableBlocks, LaterWritesWinAndShrunkCellsAreGone) {
    Node_Line line;
    line.Dimension(3);
    line(1) = 1.5;
    line(2) = 2.24;
    line(3) = 3.125;
    Text_Table t;
    t.Set_Rows(2);
    t.Set_Cols(4);
    t.Set_Cell(1, 2, "old");
    t.Set_Block(1, 1, std::make_shared<Number_Block>(Of(line), 1, 3, 0, 0, 1, "0.#"));
    EXPECT_EQ(t.Cell(1, 2), "2.2");  // the block replaced the text under it
    t.Set_Cell(1, 3, "new");
    EXPECT_EQ(t.Cell(1, 3), "new");
    double v = 0;
    EXPECT_FALSE(t.Cell_Value(1, 3, v));
    ASSERT_TRUE(t.Cell_Value(1, 1, v));
    EXPECT_EQ(v, 1.5);
    EXPECT_EQ(t.Cell(0, 2), "");  // never written

    // Shrinking discards cells; growing again gives empty ones.
    t.Set_Cols(2);
    t.Set_Cols(4);
    EXPECT_EQ(t.Cell(1, 1), "1.5");
    EXPECT_EQ(t.Cell(1, 2), "");
    EXPECT_EQ(t.Cell(1, 3), "");

    // A block beyond the grid is an error of the run, like any cell outside.
    EXPECT_THROW(t.Set_Block(1, 2, std::make_shared<Number_Block>(Of(line), 1, 3, 0, 0, 1, "0.#")),
                 Run_Error);
    EXPECT_THROW(t.Cell(2, 0), Run_Error);

    // A store dimensioned again for a smaller run is never read past its end.
    t.Set_Block(1, 1, std::make_shared<Number_Block>(Of(line), 1, 3, 0, 0, 1, "0.#"));
    line.Dimension(1);
    EXPECT_EQ(t.Cell(1, 1), "0.");
    EXPECT_EQ(t.Cell(1, 3), "");
    EXPECT_FALSE(t.Cell_Value(1, 3, v));
}

TEST(TextTableBlocks, TimeLabelWidthsCoverEveryLevel) {
    // dt = 1/3 s: 1/3 s and 4/3 s have fifteen significant digits, 3 s one.
    Time_Label_Block times(10, 1.0 / 3);
    EXPECT_EQ(times.Text(1, 0), " .333333333333333");
    EXPECT_EQ(times.Text(9, 0), " 3");
    std::vector<std::string> shapes;
    times.Widest_Texts(0, shapes);
    EXPECT_EQ(shapes, (std::vector<std::string>{" .000000000000000", " 0", " 0.00000000000000"}));
}

}  // namespace
