#include "input/problem_file.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "common/number_text.h"

using namespace calorix;

namespace {

// A file in a folder of its own, removed with the folder.
class Problem_File : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("calorix_problem_file_") + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const char* name = "problem.clx") const { return (dir_ / name).string(); }

    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::vector<std::string> Split(const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos;
             at = end + 2) {
            lines.push_back(text.substr(at, end - at));
        }
        return lines;
    }
    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines) {
            text += l + "\r\n";
        }
        return text;
    }

    std::filesystem::path dir_;
};

// The record of the start-up texts, written out line by line from the
// initial boxes of the four tabs.
std::vector<std::string> Start_Up_Record() {
    std::vector<std::string> l = {"1"};
    // Tab 0: grid, generation, conductivity, temperature twice, nodes in x.
    for (const char* v : {"10", "200", "50", "20", "20", "5"}) {
        l.push_back(v);
    }
    // Tab 1 adds nodes in y.
    for (const char* v : {"25", "0", "1", "250", "250", "5", "5"}) {
        l.push_back(v);
    }
    // Tab 2 adds diffusivity, time step, steps and the scheme (explicit 0);
    // 0.000117 is below 0.001, so it is written in exponent form.
    for (const char* v : {"7.5", "0", "401", "20", "20", "5", "1.17E-04", "24", "5", "0"}) {
        l.push_back(v);
    }
    // Tab 3 has all of them.
    for (const char* v : {"0.5", "0", "3", "300", "300", "5", "3", "2.344E-06", "2", "6", "0"}) {
        l.push_back(v);
    }
    for (int j = 0; j < 16; ++j) {
        l.push_back("1");  // every side starts at "Constant Temperature"
    }
    // T, q, h, T_infinity of the sixteen sides.
    const char* sides[16][4] = {
        {"200", "0", "0", "0"},   {"0", "0", "0", "0"},     {"0", "0", "0", "0"},
        {"0", "0", "0", "0"},     {"226.8", "0", "0", "0"}, {"226.8", "0", "0", "0"},
        {"226.8", "0", "0", "0"}, {"0", "0", "10", "26.8"}, {"200", "300000", "0", "0"},
        {"20", "0", "0", "0"},    {"0", "0", "0", "0"},     {"0", "0", "0", "0"},
        {"300", "0", "0", "0"},   {"300", "0", "0", "0"},   {"0", "0", "200", "50"},
        {"0", "0", "0", "0"},
    };
    for (const auto& s : sides) {
        for (const char* v : s) {
            l.push_back(v);
        }
    }
    return l;
}

// A state in which every box of every tab holds its own value.
Input_Form_State Busy_State() {
    Input_Form_State f = Initial_Form_State();
    f.Kind = Kind_Transient_1D;
    f.Tabs[0] = {"2", "-150", "0.25", "-3.5", "7", "", "", "", "", true};
    f.Tabs[1] = {"12abc", "1000000", "16.3", "0", "9", "4.5", "", "", "", true};
    f.Tabs[2] = {"1.5", "0.5", "386", "-0.75", "11", "", "1.1234E-04", "0.5", "40", false};
    f.Tabs[3] = {"3", "", "2300", "1e3", "4", "6", "1.29e-3", "12", "999", true};
    for (int j = 0; j < 16; ++j) {
        Side_Inputs& s = f.Sides[static_cast<std::size_t>(j)];
        s.Choice = static_cast<std::int16_t>(1 + j % 3);
        s.T_Text = std::to_string(10 * j);
        s.q_Text = std::to_string(-1000 * j);
        s.h_Text = std::to_string(j) + ".5";
        s.T_Infinity_Text = j % 2 == 0 ? "-0.125" : "";
    }
    return f;
}

// Every real box of the window, in the order of the file.
const std::vector<std::string Parameter_Texts::*> Parameter_Boxes = {
    &Parameter_Texts::Grid_Size_Text,
    &Parameter_Texts::Heat_Generation_Text,
    &Parameter_Texts::Thermal_Conductivity_Text,
    &Parameter_Texts::Guess_Initial_Temperature_Text,
    &Parameter_Texts::X_Grid_Text,
    &Parameter_Texts::Y_Grid_Text,
    &Parameter_Texts::Diffusivity_Text,
    &Parameter_Texts::Time_Step_Text,
    &Parameter_Texts::Number_Of_Time_Steps_Text};
const std::vector<std::string Side_Inputs::*> Side_Boxes = {
    &Side_Inputs::T_Text, &Side_Inputs::q_Text, &Side_Inputs::h_Text,
    &Side_Inputs::T_Infinity_Text};

bool Tab_Has(int tab, std::string Parameter_Texts::*box) {
    if (box == &Parameter_Texts::Y_Grid_Text) {
        return tab == 1 || tab == 3;
    }
    if (box == &Parameter_Texts::Diffusivity_Text || box == &Parameter_Texts::Time_Step_Text ||
        box == &Parameter_Texts::Number_Of_Time_Steps_Text) {
        return tab >= 2;
    }
    return true;
}

// Calls visit(text, is_nodes_in_y) on every box the file stores: 92 boxes
// for the 96 real lines (each tab's temperature box fills two).
template <typename Visit>
void For_Every_Box(Input_Form_State& f, Visit visit) {
    for (int t = 0; t < 4; ++t) {
        for (auto box : Parameter_Boxes) {
            if (Tab_Has(t, box)) {
                visit(f.Tabs[static_cast<std::size_t>(t)].*box,
                      box == &Parameter_Texts::Y_Grid_Text);
            }
        }
    }
    for (Side_Inputs& s : f.Sides) {
        for (auto box : Side_Boxes) {
            visit(s.*box, false);
        }
    }
}

}  // namespace

TEST_F(Problem_File, StartUpStateIsWrittenAsTheHandBuiltRecord) {
    ASSERT_TRUE(Save_File(Path(), Initial_Form_State()));
    const std::vector<std::string> expected = Start_Up_Record();
    ASSERT_EQ(expected.size(), 115u);
    EXPECT_EQ(Bytes(Path()), Lines(expected));
}

TEST_F(Problem_File, SavedValuesAreTheNumbersOfTheBoxes) {
    Input_Form_State f = Initial_Form_State();
    f.Tabs[0].Grid_Size_Text = "12abc";   // leading number only
    f.Tabs[0].X_Grid_Text = "";           // empty box: 0
    f.Tabs[1].Y_Grid_Text = " 4.5 ";      // stored as typed, unrounded
    f.Tabs[2].Explicit_Option = false;    // implicit: 1
    f.Tabs[3].Grid_Size_Text = "1.5E20";  // large: exponent form
    f.Sides[7].Choice = BC_Convection;
    f.Sides[15].T_Infinity_Text = "-.25";  // the last line of the file
    // Values that the general text alone would not bring back: an infinity,
    // the largest double (15 digits round it up past the range) and nodes in
    // y beyond the 16-bit integer they are read into.
    f.Sides[0].q_Text = "1e400";
    f.Sides[0].h_Text = "-1.7976931348623157e308";
    f.Sides[1].T_Text = "-1" + std::string(400, '0');
    f.Tabs[3].Y_Grid_Text = "1e400";
    f.Tabs[1].X_Grid_Text = "4.9e-324";  // the smallest double
    ASSERT_TRUE(Save_File(Path(), f));
    std::vector<std::string> expected = Start_Up_Record();
    expected[1] = "12";
    expected[6] = "0";
    expected[7 + 6] = "4.5";   // tab 1 starts on line 8 (index 7)
    expected[14 + 9] = "1";    // tab 2 starts on line 15, scheme is its 10th
    expected[24] = "1.5E+20";  // tab 3 starts on line 25
    expected[35 + 7] = "3";    // choices start on line 36
    expected[114] = "-0.25";
    expected[51 + 1] = "1E+999";  // the values start on line 52
    expected[51 + 2] = "-1.79769313486231E+308";
    expected[51 + 4] = "-1E+999";
    expected[24 + 6] = "32767";
    expected[7 + 5] = "4.94065645841247E-324";
    EXPECT_EQ(Bytes(Path()), Lines(expected));
}

TEST_F(Problem_File, RoundTripRestoresEveryBoxChoiceAndScheme) {
    const Input_Form_State saved = Busy_State();
    ASSERT_TRUE(Save_File(Path(), saved));
    Input_Form_State back = Initial_Form_State();
    Problem_Definition fields;
    ASSERT_TRUE(Open_File(Path(), back, &fields));

    EXPECT_EQ(back.Kind, Kind_Transient_1D);
    // Every box but the heat generation shows the plain rule: a blank before
    // a value that is not negative, no zero before the point below one.  The
    // heat generation keeps its zero and has no blank; 4.5 nodes in y are
    // read into a 16-bit integer, half to even; boxes a tab lacks stay empty.
    const Parameter_Texts expected[4] = {
        {" 2", "-150", " .25", "-3.5", " 7", "", "", "", "", true},
        {" 12", "1000000", " 16.3", " 0", " 9", " 4", "", "", "", true},
        {" 1.5", "0.5", " 386", "-.75", " 11", "", " 1.1234E-04", " .5", " 40", false},
        {" 3", "0", " 2300", " 1000", " 4", " 6", " .00129", " 12", " 999", true},
    };
    for (std::size_t t = 0; t < 4; ++t) {
        for (auto box : Parameter_Boxes) {
            EXPECT_EQ(back.Tabs[t].*box, expected[t].*box) << "tab " << t;
        }
        EXPECT_EQ(back.Tabs[t].Explicit_Option, expected[t].Explicit_Option) << "tab " << t;
    }

    for (int j = 0; j < 16; ++j) {
        SCOPED_TRACE(j);
        const Side_Inputs& s = back.Sides[static_cast<std::size_t>(j)];
        EXPECT_EQ(s.Choice, 1 + j % 3);
        EXPECT_EQ(s.T_Text, " " + std::to_string(10 * j));
        EXPECT_EQ(s.q_Text, j == 0 ? " 0" : "-" + std::to_string(1000 * j));
        EXPECT_EQ(s.h_Text, j == 0 ? " .5" : " " + std::to_string(j) + ".5");
        EXPECT_EQ(s.T_Infinity_Text, j % 2 == 0 ? "-.125" : " 0");
    }

    // The fields hold the values of the last tab that carries them.
    EXPECT_EQ(fields.Grid_Size, 3);
    EXPECT_EQ(fields.Conductivity, 2300);
    EXPECT_EQ(fields.Guess_Temp, 1000);
    EXPECT_EQ(fields.Initial_Temp, 1000);
    EXPECT_EQ(fields.X_Grid, 4);
    EXPECT_EQ(fields.Y_Grid, 6);
    EXPECT_EQ(fields.Diffusivity, 1.29e-3);
    EXPECT_EQ(fields.Time_Step, 12);
    EXPECT_EQ(fields.Number_Of_Time_Steps, 999);
}

// Point forms, exponents and blanks are read; codes outside their range
// change nothing.
TEST_F(Problem_File, ReadsPointFormsExponentsBlanksAndOddCodes) {
    std::vector<std::string> l = Start_Up_Record();
    l[0] = "  3";      // leading blanks are skipped
    l[1] = ".5";       // no zero before the point
    l[2] = "0.5";      // heat generation keeps the zero
    l[3] = "5E-01";    // exponent form
    l[4] = "-2.5D1";   // the other exponent letter
    l[6] = "+4 ";      // sign and a trailing blank
    l[7 + 6] = "3.5";  // y nodes of tab 1: half to even gives 4
    l[24 + 7] = "2.344E-06";
    l[24 + 10] = "1";  // tab 3 implicit
    l[14 + 9] = "7";   // scheme of tab 2: neither 0 nor 1
    l[35] = "2";
    l[36] = "3";
    l[35 + 4] = "0";  // side 4: no such option
    l[35 + 5] = "4";
    l[51] = "1e2";
    Write(Path(), Lines(l));
    Input_Form_State f = Initial_Form_State();
    f.Tabs[2].Explicit_Option = false;
    f.Sides[4].Choice = BC_Convection;
    f.Sides[5].Choice = BC_Flux;
    ASSERT_TRUE(Open_File(Path(), f));
    EXPECT_FALSE(f.Tabs[2].Explicit_Option);
    EXPECT_EQ(f.Sides[4].Choice, BC_Convection);
    EXPECT_EQ(f.Sides[5].Choice, BC_Flux);
    EXPECT_EQ(f.Kind, 3);
    EXPECT_EQ(f.Tabs[0].Grid_Size_Text, " .5");
    EXPECT_EQ(f.Tabs[0].Heat_Generation_Text, "0.5");
    EXPECT_EQ(f.Tabs[0].Thermal_Conductivity_Text, " .5");
    EXPECT_EQ(f.Tabs[0].Guess_Initial_Temperature_Text, "-25");
    EXPECT_EQ(f.Tabs[0].X_Grid_Text, " 4");
    EXPECT_EQ(f.Tabs[1].Y_Grid_Text, " 4");
    EXPECT_EQ(f.Tabs[3].Diffusivity_Text, " 2.344E-06");
    EXPECT_FALSE(f.Tabs[3].Explicit_Option);
    EXPECT_EQ(f.Sides[0].Choice, BC_Flux);
    EXPECT_EQ(f.Sides[1].Choice, BC_Convection);
    EXPECT_EQ(f.Sides[0].T_Text, " 100");
    EXPECT_EQ(f.Sides[4].T_Text, " 226.8");
    EXPECT_EQ(f.Sides[7].h_Text, " 10");
    EXPECT_EQ(f.Sides[7].T_Infinity_Text, " 26.8");
}

// A file that is missing, empty, binary, cut short or holding a field that is
// not a number (or no tab, or nodes in y beyond 16 bits) ends the reading at
// that field: what came before it is restored, nothing after it, and the file
// itself is left alone.
TEST_F(Problem_File, BadFilesStopAtTheBadField) {
    const auto record = [](const std::vector<std::pair<std::size_t, std::string>>& changes,
                           std::size_t keep = 115) {
        std::vector<std::string> l = Start_Up_Record();
        for (const auto& [line, text] : changes) {
            l[line] = text;
        }
        l.resize(keep);
        return Lines(l);
    };
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 131 + 7) % 256));
    }
    const struct {
        const char* what;
        std::string bytes;  // "missing": no file at all
        int kind;
        const char *tab0_grid, *tab1_grid;
        std::int16_t side0, side4, side5;
    } cases[] = {
        {"missing", "missing", 1, "typed", "typed", 1, 1, 1},
        {"empty", "", 1, "typed", "typed", 1, 1, 1},
        {"binary", binary, 1, "typed", "typed", 1, 1, 1},
        {"no such tab", record({{0, "4"}}), 1, "typed", "typed", 1, 1, 1},
        {"number and letters", record({{3, "50abc"}}), 1, "typed", "typed", 1, 1, 1},
        {"letters in tab 1", record({{0, "2"}, {7, "x25"}}), 2, " 10", "typed", 1, 1, 1},
        {"nodes in y beyond 16 bits", record({{30, "32768"}}), 1, " 10", " 25", 1, 1, 1},
        // Cut after the choice of side 4: the tabs and two choices came first.
        {"short", record({{0, "0"}, {1, "33"}, {35, "3"}, {39, "2"}, {40, "3"}}, 40), 0, " 33",
         " 25", 3, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = Path();
        std::filesystem::remove(path);
        if (c.bytes != "missing") {
            Write(path, c.bytes);
        }
        Input_Form_State f = Initial_Form_State();
        f.Tabs[0].Grid_Size_Text = f.Tabs[1].Grid_Size_Text = f.Sides[0].T_Text = "typed";
        EXPECT_FALSE(Open_File(path, f));
        EXPECT_EQ(f.Kind, c.kind);
        EXPECT_EQ(f.Tabs[0].Grid_Size_Text, c.tab0_grid);
        EXPECT_EQ(f.Tabs[1].Grid_Size_Text, c.tab1_grid);
        EXPECT_EQ(f.Sides[0].Choice, c.side0);
        EXPECT_EQ(f.Sides[4].Choice, c.side4);
        EXPECT_EQ(f.Sides[5].Choice, c.side5);
        EXPECT_EQ(f.Sides[0].T_Text, "typed");  // the values are never reached
        if (c.bytes == "missing") {
            EXPECT_FALSE(std::filesystem::exists(path));
        } else {
            EXPECT_EQ(Bytes(path), c.bytes);
        }
    }
}

// A box may hold any value a double can take, an infinity included (a box
// holding 1e400): every one of them, in every position of the file, must be
// saved in a form that reopens the whole file, and saving what was reopened
// must give the same file again (but for the nodes in y, which come back as
// whole numbers).
TEST_F(Problem_File, ExtremeValuesReopenWholeInEveryPosition) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string typed;
        double back;          // the value of a reopened box
        double back_nodes_y;  // the same for the nodes in y, a 16-bit integer
    };
    const std::vector<Case> cases = {
        {"1e400", Inf, 32767},
        {"-1" + std::string(400, '0'), -Inf, -32768},
        {"1.7976931348623157e308", 1.79769313486231e308, 32767},
        {"-1.7976931348623157e308", -1.79769313486231e308, -32768},
        {"4.9406564584124654e-324", 4.94065645841247e-324, 0},
        {"1e-400", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 24));
        Input_Form_State f = Busy_State();
        For_Every_Box(f, [&](std::string& box, bool) { box = c.typed; });
        ASSERT_TRUE(Save_File(Path(), f));
        Input_Form_State back = Initial_Form_State();
        ASSERT_TRUE(Open_File(Path(), back));
        EXPECT_EQ(back.Kind, f.Kind);
        int position = 0;
        For_Every_Box(back, [&](std::string& box, bool nodes_y) {
            EXPECT_EQ(Text_To_Number(box), nodes_y ? c.back_nodes_y : c.back)
                << "box " << position << " shows " << box;
            ++position;
        });
        EXPECT_EQ(position, 92);
        for (std::size_t j = 0; j < 16; ++j) {
            EXPECT_EQ(back.Sides[j].Choice, f.Sides[j].Choice);
        }
        ASSERT_TRUE(Save_File(Path("again.clx"), back));
        std::vector<std::string> first = Split(Bytes(Path()));
        ASSERT_EQ(first.size(), 115u);
        first[13] = first[30] = std::to_string(static_cast<int>(c.back_nodes_y));
        EXPECT_EQ(Split(Bytes(Path("again.clx"))), first);
    }
}

// Saving replaces the old file only once the new one is wholly on the disk.
TEST_F(Problem_File, FailedSaveLeavesTheOldFileAsItWas) {
    ASSERT_TRUE(Save_File(Path(), Initial_Form_State()));
    const std::string old = Bytes(Path());
    ::chmod(Path().c_str(), 0604);

    // A disk that fills up part-way: the file size limit stops the writing
    // after 100 bytes, well inside the record.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Save_File(Path(), Busy_State());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(written);
    EXPECT_EQ(Bytes(Path()), old);
    // No half-written temporary is left behind either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);

    // A missing folder, and a folder in the place of the file.
    EXPECT_FALSE(Save_File(Path("no_such_folder/problem.clx"), Busy_State()));
    std::filesystem::create_directory(Path("folder.clx"));
    EXPECT_FALSE(Save_File(Path("folder.clx"), Busy_State()));
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.clx")));

    // A good save replaces the contents and keeps the file's permissions; a
    // link is followed, not replaced.
    ASSERT_TRUE(Save_File(Path("busy.clx"), Busy_State()));
    std::filesystem::create_symlink(Path(), Path("link.clx"));
    ASSERT_TRUE(Save_File(Path("link.clx"), Busy_State()));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.clx")));
    EXPECT_EQ(Bytes(Path()), Bytes(Path("busy.clx")));
    struct stat st {};
    ::stat(Path().c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0604u);

    // A new file gets the usual permissions, not those of a private temporary.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(Save_File(Path("new.clx"), Busy_State()));
    ::umask(mask);
    ::stat(Path("new.clx").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}
