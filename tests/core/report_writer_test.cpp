#include "input/report_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_support.h"
#include "input/run_driver.h"
#include "test_dialogs.h"

using namespace calorix;
using namespace file_test;

namespace {

class Report : public Temp_Folder {
  protected:
    // Runs the real driver on the form and writes the report of the run.
    void Run_And_Print(const Input_Form_State& form) {
        ASSERT_EQ(Run_Calculation(form, problem_, stores_, out_, dialogs_), Run_Outcome::Solved);
        ASSERT_TRUE(dialogs_.messages.empty());
        ASSERT_TRUE(dialogs_.questions.empty());
        result_ = Print_To_File(Out(), form, problem_, out_);
        ASSERT_TRUE(result_.Written);
    }
    std::string Out() const { return Path("results.out"); }

    Problem_Definition problem_;
    Result_Stores stores_;
    Output_Model out_;
    fakes::Scripted_Dialogs dialogs_;
    Report_Result result_;
};

// One cell of up to eight characters in its 14-character print zone: the
// text, its six blanks, then blanks to the next zone.
std::string Z(const std::string& cell) {
    return cell + std::string(14 - cell.size(), ' ');
}

Input_Form_State Empty_Sides(Input_Form_State f) {
    for (Side_Inputs& s : f.Sides) {
        s = Side_Inputs{};
    }
    return f;
}

using Text_Lines = std::vector<std::string>;

// A side block: a blank line, the heading, the condition and its values, a
// blank line.
Text_Lines Side_Block(const std::string& heading, const std::string& condition,
                      const Text_Lines& values) {
    Text_Lines l = {"", heading, "     " + condition + " BC"};
    l.insert(l.end(), values.begin(), values.end());
    l.push_back("");
    return l;
}
Text_Lines Fixed(const std::string& heading, const std::string& t) {
    return Side_Block(heading, "Constant Temperature", {"     T = " + t + " C"});
}

// A whole report: title, the heading lines, the side blocks, the table.
std::string Report_Text(const std::string& title, const Text_Lines& heading,
                        const std::vector<Text_Lines>& sides, const std::string& table_title,
                        const Text_Lines& rows) {
    Text_Lines l = {title, "", ""};
    l.insert(l.end(), heading.begin(), heading.end());
    l.insert(l.end(), {"", "", "Boundary Conditions: "});
    for (const Text_Lines& side : sides) {
        l.insert(l.end(), side.begin(), side.end());
    }
    l.insert(l.end(), {"", "", table_title, "", ""});
    l.insert(l.end(), rows.begin(), rows.end());
    return Crlf(l);
}

struct Golden {
    const char* name;
    Input_Form_State form;
    std::string expected;
    int rows, cols;  // of the table, headers included
};

// A wall of five nodes 10 cm apart between 100 C and 0 C without
// generation: the steady profile is linear, 100, 75, 50, 25, 0.  The
// walk leaves a blank line for each of the missing top and bottom sides.
Golden Steady_1D_Golden() {
    Input_Form_State f = Empty_Sides(Initial_Form_State());
    f.Kind = Kind_Steady_1D;
    f.Tabs[0] = {"10", "0", "1", "20", "5", "", "", "", "", true};
    f.Sides[0].T_Text = "100";
    f.Sides[1].T_Text = "0";
    return {"1-D steady", f,
            Report_Text(
                "1-D Steady State Problem",
                {"Grid Size = 0.1 m", "Heat Generation = 0 W/m^3", "Thermal Conductivity = 1 W/m.C",
                 "Guess Temperature = 20 C", "Number of Nodes in x Direction = 5"},
                {Fixed("Left Side", "100"), Fixed("Right Side", "0"), {""}, {""}},
                "T (Degrees Celsuis) as a function of x (Meters)",
                {Z("") + Z("00.00") + Z("00.10") + Z("00.20") + Z("00.30") + Z("00.40"),
                 Z("T(x)") + Z("100.00") + Z("75.00") + Z("50.00") + Z("25.00") + Z("00.00")}),
            2, 6};
}

// A 3 x 3 plate, 50 cm between nodes, 100 C on the left, 0 C on the right,
// top and bottom insulated (no flux; convection with h = 0): linear in x.  A
// value of a kind not chosen is not reported.
Golden Steady_2D_Golden() {
    Input_Form_State f = Empty_Sides(Initial_Form_State());
    f.Kind = Kind_Steady_2D;
    f.Tabs[1] = {"50", "0", "2", "10", "3", "3", "", "", "", true};
    f.Sides[4].T_Text = "100";
    f.Sides[5].T_Text = "0";
    f.Sides[6].Choice = BC_Flux;
    f.Sides[6].T_Text = "999";
    f.Sides[7].Choice = BC_Convection;
    f.Sides[7].h_Text = "0";
    f.Sides[7].T_Infinity_Text = "500";
    const std::string linear = Z("100.00") + Z("50.00") + Z("00.00");
    return {"2-D steady", f,
            Report_Text(
                "2-D Steady State Problem",
                {"Grid Size = 0.5 m", "Heat Generation = 0 W/m^3", "Thermal Conductivity = 2 W/m.C",
                 "Guess Temperature = 10 C", "Number of Nodes in x Direction = 3",
                 "Number of Nodes in y Direction = 3"},
                {Fixed("Left Side", "100"), Fixed("Right Side", "0"),
                 Side_Block("Top Side", "Constant Heat Flux", {"     q = 0 W/m^2"}),
                 Side_Block("Bottom Side", "Convection Environment",
                            {"     h          =           0   W/m^2.C", "     T_Infinity =500 C"})},
                "T (Degrees Celsuis) as a function of x (Meters) and y (Meters)",
                {Z("T(x,y)") + Z("00.00") + Z("00.50") + Z("01.00"), Z("00.00") + linear,
                 Z("00.50") + linear, Z("01.00") + linear}),
            4, 4};
}

// Three nodes 1 cm apart, F0 = 1e-4 * 0.25 / 0.01^2 = 0.25, left face held at
// 100 C, right face insulated, start at 0 C, two explicit steps:
//   level 2: node 2 = 0.5*0 + 0.25*(100 + 0) = 25, node 3 = 0
//   level 3: node 2 = 0.5*25 + 0.25*(100 + 0) = 37.5, node 3 = 0.5*25 = 12.5
// The hidden top and bottom of the 1-D tab are never reported.
Golden Transient_1D_Golden() {
    Input_Form_State f = Empty_Sides(Initial_Form_State());
    f.Kind = Kind_Transient_1D;
    f.Tabs[2] = {"1", "0", "10", "0", "3", "", "0.0001", "0.25", "2", true};
    f.Sides[8].T_Text = "100";
    f.Sides[9].Choice = BC_Flux;
    f.Sides[10].Choice = BC_Convection;
    return {"1-D transient", f,
            Report_Text("1-D Transient Problem",
                        {"Grid Size = 0.01 m", "Heat Generation = 0 W/m^3",
                         "Thermal Conductivity = 10 W/m.C", "Initial Temperature = 0 C",
                         "Number of Nodes in x Direction = 3", "Thermal Diffusivity = 1E-04 m^2/s",
                         "Time Step = 0.25 sec", "Number of Time Steps = 2", "Explicit Scheme"},
                        {Fixed("Left Side", "100"),
                         Side_Block("Right Side", "Constant Heat Flux", {"     q = 0 W/m^2"})},
                        "T (Degrees Celsuis) as a function of x (Meters) and t (Seconds)",
                        {Z("T(t,x)") + Z("00.00") + Z("00.01") + Z("00.02"),
                         Z("00.00") + Z("100.00") + Z("00.00") + Z("00.00"),
                         Z("00.25") + Z("100.00") + Z("25.00") + Z("00.00"),
                         Z("00.50") + Z("100.00") + Z("37.50") + Z("12.50")}),
            4, 4};
}

// A 3 x 3 plate at 100 C whose four sides are held at 0 C, one implicit step
// with F = 0.25.  The sides take 0 at once; the single interior node sees
// four neighbours at 0: (0.25 * 0 + 100) / (1 + 4 * 0.25) = 50.
Golden Transient_2D_Golden() {
    Input_Form_State f = Empty_Sides(Initial_Form_State());
    f.Kind = Kind_Transient_2D;
    f.Tabs[3] = {"1", "0", "5", "100", "3", "3", "0.0001", "0.25", "1", false};
    for (int j = 12; j < 16; ++j) {
        f.Sides[static_cast<std::size_t>(j)].T_Text = "0";
    }
    f.Sides[13].T_Text = "-0";
    const std::string zeros = Z("00.00") + Z("00.00") + Z("00.00");
    return {
        "2-D transient", f,
        Report_Text(
            "2-D Transient Problem",
            {"Grid Size = 0.01 m", "Heat Generation = 0 W/m^3", "Thermal Conductivity = 5 W/m.C",
             "Initial Temperature = 100 C", "Number of Nodes in x Direction = 3",
             "Number of Nodes in y Direction = 3", "Thermal Diffusivity = 1E-04 m^2/s",
             "Time Step = 0.25 sec", "Number of Time Steps = 1", "Implicit Scheme"},
            {Fixed("Left Side", "0"), Fixed("Right Side", "0"), Fixed("Top Side", "0"),
             Fixed("Bottom Side", "0")},
            "T (Degrees Celsuis) as a function of x (Meters) and y (Meters) at Time = 0.25  Sec",
            {Z("T(x,y)") + Z("00.00") + Z("00.01") + Z("00.02"), Z("00.00") + zeros,
             Z("00.01") + Z("00.00") + Z("50.00") + Z("00.00"), Z("00.02") + zeros}),
        4, 4};
}

std::vector<Golden> Goldens() {
    return {Steady_1D_Golden(), Steady_2D_Golden(), Transient_1D_Golden(), Transient_2D_Golden()};
}

}  // namespace

// A run of each kind through the real driver, then its report.
TEST_F(Report, GoldenReportOfEveryKind) {
    for (const Golden& g : Goldens()) {
        SCOPED_TRACE(g.name);
        problem_ = Problem_Definition{};
        out_ = Output_Model{};
        Run_And_Print(g.form);
        EXPECT_EQ(Bytes(Out()), g.expected);
        EXPECT_EQ(result_.Plot_X_Count, g.rows);
        EXPECT_EQ(result_.Plot_Y_Count, g.cols);
    }
}

// The side lines of a wall with a convection face, from the boxes as they
// stand when printing (not as the last run read them).
TEST_F(Report, SideBlocksShowTheBoxesOfTheTab) {
    Input_Form_State f = Empty_Sides(Initial_Form_State());
    f.Kind = Kind_Steady_1D;
    f.Sides[0].T_Text = "200";
    f.Sides[1].Choice = BC_Convection;
    f.Sides[1].h_Text = "10";
    f.Sides[1].T_Infinity_Text = "26.8";
    f.Sides[1].T_Text = "55";  // not the chosen kind
    out_.Table_Title_Label = "Title";
    out_.Output_Table.Set_Rows(1);
    out_.Output_Table.Set_Cols(1);
    out_.Output_Table.Set_Cell(0, 0, "5.3");
    problem_.Grid_Size = 77;  // stale: the report refreshes the parameters first
    result_ = Print_To_File(Out(), f, problem_, out_);
    ASSERT_TRUE(result_.Written);
    EXPECT_EQ(problem_.Grid_Size, 10);
    EXPECT_EQ(problem_.Side_String, "Bottom Side");  // the walk ends on the bottom
    EXPECT_EQ(
        Bytes(Out()),
        Report_Text(
            "1-D Steady State Problem",
            {"Grid Size = 0.1 m", "Heat Generation = 200 W/m^3", "Thermal Conductivity = 50 W/m.C",
             "Guess Temperature = 20 C", "Number of Nodes in x Direction = 5"},
            {Fixed("Left Side", "200"),
             Side_Block("Right Side", "Convection Environment",
                        {"     h          =           10   W/m^2.C", "     T_Infinity =26.8 C"}),
             {""},
             {""}},
            "Title", {Z("05.30")}));
}

TEST_F(Report, TableZonesAfterLongCells) {
    Text_Table t;
    t.Set_Rows(2);
    t.Set_Cols(3);
    t.Set_Cell(0, 0, "");
    t.Set_Cell(0, 1, "-1000.5");           // eight characters: the zone is full
    t.Set_Cell(0, 2, "12345.678");         // rounds to 12345.68
    t.Set_Cell(1, 0, "abcdefghijklmnop");  // a heading longer than a zone
    t.Set_Cell(1, 1, "7");
    t.Set_Cell(1, 2, "-3.5");
    // 14 blanks; "-1000.50" and its six blanks end on column 28, a zone
    // start, so the comma moves on by a whole zone to 42; the same again to 70.
    const std::string row0 = std::string(14, ' ') + "-1000.50" + std::string(20, ' ') + "12345.68" +
                             std::string(20, ' ') + "\r\n";
    // 16 + 6 = 22 characters reach on to 28; "07.00" to 42; "-03.50" to 56.
    const std::string row1 = "abcdefghijklmnop" + std::string(12, ' ') + "07.00" +
                             std::string(9, ' ') + "-03.50" + std::string(8, ' ') + "\r\n";
    EXPECT_EQ(Report_Table_Text(t), row0 + row1);
}

TEST_F(Report, EmptyPathWritesNothing) {
    Input_Form_State f = Initial_Form_State();
    problem_.Grid_Size = 1;
    const Report_Result r = Print_To_File("", f, problem_, out_);
    EXPECT_FALSE(r.Written);
    EXPECT_EQ(problem_.Grid_Size, 25);  // the parameters are still refreshed
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

// A report that cannot be written whole leaves what was there before.
TEST_F(Report, FailedWritesFailQuietlyAndKeepTheOldReport) {
    EXPECT_FALSE(
        Print_To_File((dir_ / "missing" / "r.out").string(), Initial_Form_State(), problem_, out_)
            .Written);

    const std::string old = "an older report\r\n";
    Write(Out(), old);
    out_.Output_Table.Set_Rows(40);
    out_.Output_Table.Set_Cols(10);
    // The disk fills up after 200 bytes, in the middle of the heading.
    EXPECT_FALSE(With_Size_Limit(200, [&] {
                     return Print_To_File(Out(), Initial_Form_State(), problem_, out_);
                 }).Written);
    EXPECT_EQ(Bytes(Out()), old);
    EXPECT_EQ(Entries(), 1);
}
