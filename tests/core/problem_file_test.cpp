#include "input/problem_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "file_support.h"

using namespace calorix;
using namespace file_test;

namespace {

class Problem_File : public Temp_Folder {
  protected:
    std::string File() const { return Path("problem.clx"); }
};

// The record of the start-up texts, line by line from the initial boxes.
std::vector<std::string> Start_Up_Record() {
    // The kind; per tab grid, generation, conductivity, temperature twice and
    // nodes in x; tab 1 adds nodes in y, tab 2 the diffusivity (0.000117 is
    // below 0.001: exponent form), time step, steps and scheme (explicit 0);
    // tab 3 has all of them.
    std::vector<std::string> l = Words(
        "1  10 200 50 20 20 5  25 0 1 250 250 5 5  "
        "7.5 0 401 20 20 5 1.17E-04 24 5 0  "
        "0.5 0 3 300 300 5 3 2.344E-06 2 6 0");
    l.insert(l.end(), 16, "1");  // every side starts at "Constant Temperature"
    // T, q, h and T_infinity of the sixteen sides.
    for (const std::string& v :
         Words("200 0 0 0  0 0 0 0  0 0 0 0  0 0 0 0  226.8 0 0 0  226.8 0 0 0  226.8 0 0 0  "
               "0 0 10 26.8  200 300000 0 0  20 0 0 0  0 0 0 0  0 0 0 0  300 0 0 0  "
               "300 0 0 0  0 0 200 50  0 0 0 0")) {
        l.push_back(v);
    }
    return l;
}

// The start-up record with some lines changed, cut after `keep` lines.
std::string Record(const std::vector<std::pair<std::size_t, std::string>>& changes,
                   std::size_t keep = 115) {
    std::vector<std::string> l = Start_Up_Record();
    for (const auto& [line, text] : changes) {
        l[line] = text;
    }
    l.resize(keep);
    return Crlf(l);
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

// Every real box of the window, in the order of the file: nodes in y (5th)
// only on the plates, the last three only on the transient tabs.
std::string Parameter_Texts::*const Parameter_Boxes[] = {
    &Parameter_Texts::Grid_Size_Text,
    &Parameter_Texts::Heat_Generation_Text,
    &Parameter_Texts::Thermal_Conductivity_Text,
    &Parameter_Texts::Guess_Initial_Temperature_Text,
    &Parameter_Texts::X_Grid_Text,
    &Parameter_Texts::Y_Grid_Text,
    &Parameter_Texts::Diffusivity_Text,
    &Parameter_Texts::Time_Step_Text,
    &Parameter_Texts::Number_Of_Time_Steps_Text};

// Calls visit(text, is_nodes_in_y) on every box the file stores: 92 boxes
// for the 96 real lines (each tab's temperature box fills two).
template <typename Visit>
void For_Every_Box(Input_Form_State& f, Visit visit) {
    for (int t = 0; t < 4; ++t) {
        for (int b = 0; b < 9; ++b) {
            if (b == 5 ? t % 2 == 1 : b < 6 || t >= 2) {
                visit(f.Tabs[static_cast<std::size_t>(t)].*Parameter_Boxes[b], b == 5);
            }
        }
    }
    for (Side_Inputs& s : f.Sides) {
        for (std::string* box : {&s.T_Text, &s.q_Text, &s.h_Text, &s.T_Infinity_Text}) {
            visit(*box, false);
        }
    }
}

}  // namespace

TEST_F(Problem_File, StartUpStateIsWrittenAsTheHandBuiltRecord) {
    ASSERT_TRUE(Save_File(File(), Initial_Form_State()));
    ASSERT_EQ(Start_Up_Record().size(), 115u);
    EXPECT_EQ(Bytes(File()), Record({}));
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
    // y just beyond the 16-bit integer they are read into.
    f.Sides[0].q_Text = "1e400";
    f.Sides[0].h_Text = "-1.7976931348623157e308";
    f.Sides[1].T_Text = "-1" + std::string(400, '0');
    f.Tabs[3].Y_Grid_Text = "32767.5";   // 32768 after rounding to even
    f.Tabs[1].X_Grid_Text = "4.9e-324";  // the smallest double
    ASSERT_TRUE(Save_File(File(), f));
    // Tab 1 starts on line 8 (index 7), tab 2 on 15, tab 3 on 25, the choices
    // on 36 and the values on 52.
    EXPECT_EQ(Bytes(File()), Record({{1, "12"},
                                     {6, "0"},
                                     {7 + 6, "4.5"},
                                     {14 + 9, "1"},
                                     {24, "1.5E+20"},
                                     {35 + 7, "3"},
                                     {114, "-0.25"},
                                     {51 + 1, "1E+999"},
                                     {51 + 2, "-1.79769313486231E+308"},
                                     {51 + 4, "-1E+999"},
                                     {24 + 6, "32767"},
                                     {7 + 5, "4.94065645841247E-324"}}));
}

TEST_F(Problem_File, RoundTripRestoresEveryBoxChoiceAndScheme) {
    ASSERT_TRUE(Save_File(File(), Busy_State()));
    Input_Form_State back = Initial_Form_State();
    Problem_Definition fields;
    ASSERT_TRUE(Open_File(File(), back, &fields));

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
    EXPECT_EQ(
        (std::vector<double>{fields.Grid_Size, fields.Conductivity, fields.Guess_Temp,
                             fields.Initial_Temp, fields.X_Grid, double(fields.Y_Grid),
                             fields.Diffusivity, fields.Time_Step, fields.Number_Of_Time_Steps}),
        (std::vector<double>{3, 2300, 1000, 1000, 4, 6, 1.29e-3, 12, 999}));
}

// Point forms, exponents and blanks are read; codes outside their range
// change nothing.
TEST_F(Problem_File, ReadsPointFormsExponentsBlanksAndOddCodes) {
    Write(File(), Record({
                      {0, "  3"},      // leading blanks are skipped
                      {1, ".5"},       // no zero before the point
                      {2, "0.5"},      // heat generation keeps the zero
                      {3, "5E-01"},    // exponent form
                      {4, "-2.5D1"},   // the other exponent letter
                      {6, "+4 "},      // sign and a trailing blank
                      {7 + 6, "3.5"},  // y nodes of tab 1: half to even gives 4
                      {24 + 7, "2.344E-06"},
                      {24 + 10, "1"},  // tab 3 implicit
                      {14 + 9, "7"},   // scheme of tab 2: neither 0 nor 1
                      {35, "2"},
                      {36, "3"},
                      {35 + 4, "0"},  // side 4: no such option
                      {35 + 5, "4"},
                      {51, "1e2"},
                  }));
    Input_Form_State f = Initial_Form_State();
    f.Tabs[2].Explicit_Option = false;
    f.Sides[4].Choice = BC_Convection;
    f.Sides[5].Choice = BC_Flux;
    ASSERT_TRUE(Open_File(File(), f));
    EXPECT_FALSE(f.Tabs[2].Explicit_Option);
    EXPECT_EQ(f.Sides[4].Choice, BC_Convection);
    EXPECT_EQ(f.Sides[5].Choice, BC_Flux);
    EXPECT_EQ(f.Kind, 3);
    const Parameter_Texts& t0 = f.Tabs[0];
    EXPECT_EQ((std::vector<std::string>{t0.Grid_Size_Text, t0.Heat_Generation_Text,
                                        t0.Thermal_Conductivity_Text,
                                        t0.Guess_Initial_Temperature_Text, t0.X_Grid_Text,
                                        f.Tabs[1].Y_Grid_Text, f.Tabs[3].Diffusivity_Text}),
              (std::vector<std::string>{" .5", "0.5", " .5", "-25", " 4", " 4", " 2.344E-06"}));
    EXPECT_FALSE(f.Tabs[3].Explicit_Option);
    EXPECT_EQ(f.Sides[0].Choice, BC_Flux);
    EXPECT_EQ(f.Sides[1].Choice, BC_Convection);
    EXPECT_EQ((std::vector<std::string>{f.Sides[0].T_Text, f.Sides[4].T_Text, f.Sides[7].h_Text,
                                        f.Sides[7].T_Infinity_Text}),
              (std::vector<std::string>{" 100", " 226.8", " 10", " 26.8"}));
}

// A file that is missing, empty, binary, cut short or holding a field that is
// not a number (or no tab, or nodes in y beyond 16 bits) ends the reading at
// that field: what came before it is restored, nothing after it, and the file
// itself is left alone.
TEST_F(Problem_File, BadFilesStopAtTheBadField) {
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
        {"no such tab", Record({{0, "4"}}), 1, "typed", "typed", 1, 1, 1},
        {"number and letters", Record({{3, "50abc"}}), 1, "typed", "typed", 1, 1, 1},
        {"letters in tab 1", Record({{0, "2"}, {7, "x25"}}), 2, " 10", "typed", 1, 1, 1},
        {"nodes in y beyond 16 bits", Record({{30, "32768"}}), 1, " 10", " 25", 1, 1, 1},
        // Cut after the choice of side 4: the tabs and two choices came first.
        {"short", Record({{0, "0"}, {1, "33"}, {35, "3"}, {39, "2"}, {40, "3"}}, 40), 0, " 33",
         " 25", 3, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(File());
        if (c.bytes != "missing") {
            Write(File(), c.bytes);
        }
        Input_Form_State f = Initial_Form_State();
        f.Tabs[0].Grid_Size_Text = f.Tabs[1].Grid_Size_Text = f.Sides[0].T_Text = "typed";
        EXPECT_FALSE(Open_File(File(), f));
        EXPECT_EQ(f.Kind, c.kind);
        EXPECT_EQ(f.Tabs[0].Grid_Size_Text, c.tab0_grid);
        EXPECT_EQ(f.Tabs[1].Grid_Size_Text, c.tab1_grid);
        EXPECT_EQ(f.Sides[0].Choice, c.side0);
        EXPECT_EQ(f.Sides[4].Choice, c.side4);
        EXPECT_EQ(f.Sides[5].Choice, c.side5);
        EXPECT_EQ(f.Sides[0].T_Text, "typed");  // the values are never reached
        EXPECT_EQ(std::filesystem::exists(File()), c.bytes != "missing");
        if (c.bytes != "missing") {
            EXPECT_EQ(Bytes(File()), c.bytes);
        }
    }
}

// Only a regular file is read, and only as far as a problem file can reach:
// a folder, a FIFO that holds a whole record (a writer left it there), a
// device, a record behind 64 kB of blank lines, and one pushed just so far
// that the bound falls inside its last value (12345, which must not be read
// as 123) all fail, at once and without an exception.
TEST_F(Problem_File, OnlyTheHeadOfARegularFileIsRead) {
    const std::string record = Record({{0, "2"}, {114, "12345"}});
    std::filesystem::create_directory(Path("folder.clx"));
    ASSERT_EQ(::mkfifo(Path("pipe.clx").c_str(), 0600), 0);
    const int both = ::open(Path("pipe.clx").c_str(), O_RDWR);
    ASSERT_EQ(::write(both, record.data(), record.size()), static_cast<ssize_t>(record.size()));
    const int keeps = ::open(Path("pipe.clx").c_str(), O_RDONLY | O_NONBLOCK);
    ::close(both);  // no writer is left: a reader would find the record, then its end
    Write(Path("padded.clx"),
          std::string(Max_Problem_File_Bytes + 4 - record.size(), '\n') + record);
    Write(Path("far.clx"), std::string(65536, '\n') + record);
    // The padded record has given its kind before the bound ends it.
    for (const auto& [path, kind] : {std::pair{Path("folder.clx"), 1},
                                     {Path("pipe.clx"), 1},
                                     {std::string("/dev/zero"), 1},
                                     {Path("padded.clx"), 2},
                                     {Path("far.clx"), 1}}) {
        Input_Form_State f = Initial_Form_State();
        EXPECT_FALSE(Open_File(path, f)) << path;
        EXPECT_EQ(f.Kind, kind) << path;
        EXPECT_EQ(f.Sides[15].T_Infinity_Text, Initial_Form_State().Sides[15].T_Infinity_Text);
    }
    ::close(keeps);
    // Behind a whole record, anything may follow.
    Write(File(), record + std::string(16384, 'x'));
    Input_Form_State f = Initial_Form_State();
    EXPECT_TRUE(Open_File(File(), f));
    EXPECT_EQ(f.Kind, 2);
}

// A box may hold any value a double can take, an infinity included (a box
// holding 1e400): every one of them, in every position of the file, must be
// saved in a form that reopens the whole file, and saving what was reopened
// must give the same file again (but for the nodes in y, which come back as
// whole numbers).
TEST_F(Problem_File, ExtremeValuesReopenWholeInEveryPosition) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string typed;
        double back;          // the value of a reopened box
        double back_nodes_y;  // the same for the nodes in y, a 16-bit integer
    } cases[] = {
        {"1e400", Inf, 32767},
        {"-1" + std::string(400, '0'), -Inf, -32768},
        {"1.7976931348623157e308", 1.79769313486231e308, 32767},
        {"-1.7976931348623157e308", -1.79769313486231e308, -32768},
        {"4.9406564584124654e-324", 4.94065645841247e-324, 0},
        {"1e-400", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 24));
        Input_Form_State f = Busy_State();
        For_Every_Box(f, [&](std::string& box, bool) { box = c.typed; });
        ASSERT_TRUE(Save_File(File(), f));
        Input_Form_State back = Initial_Form_State();
        ASSERT_TRUE(Open_File(File(), back));
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
        std::string first = Bytes(File());
        // The nodes in y of tabs 1 and 3 (lines 14 and 31) come back whole.
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = first.find("\r\n", at)) != std::string::npos;
             at = end + 2) {
            lines.push_back(first.substr(at, end - at));
        }
        ASSERT_EQ(lines.size(), 115u);
        lines[13] = lines[30] = std::to_string(static_cast<int>(c.back_nodes_y));
        EXPECT_EQ(Bytes(Path("again.clx")), Crlf(lines));
    }
}

// Saving replaces the old file only once the new one is wholly on the disk.
TEST_F(Problem_File, FailedSaveLeavesTheOldFileAsItWas) {
    ASSERT_TRUE(Save_File(File(), Initial_Form_State()));
    const std::string old = Bytes(File());
    ::chmod(File().c_str(), 0604);
    // Run as root, the suite gives the file to another user, who keeps it.
    const uid_t owner = ::geteuid() == 0 ? 1234 : ::geteuid();
    ASSERT_EQ(::chown(File().c_str(), owner, ::geteuid() == 0 ? 1234 : ::getegid()), 0);
    // The disk fills up after 100 bytes, well inside the record; no
    // half-written temporary is left behind either.
    EXPECT_FALSE(With_Size_Limit(100, [&] { return Save_File(File(), Busy_State()); }));
    EXPECT_EQ(Bytes(File()), old);
    EXPECT_EQ(Entries(), 1);

    // A missing folder, and a folder in the place of the file.
    EXPECT_FALSE(Save_File(Path("no_such_folder/problem.clx"), Busy_State()));
    std::filesystem::create_directory(Path("folder.clx"));
    EXPECT_FALSE(Save_File(Path("folder.clx"), Busy_State()));
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.clx")));

    // A good save replaces the contents and keeps the file's permissions and
    // owner; a link is followed, not replaced.
    ASSERT_TRUE(Save_File(Path("busy.clx"), Busy_State()));
    std::filesystem::create_symlink(File(), Path("link.clx"));
    ASSERT_TRUE(Save_File(Path("link.clx"), Busy_State()));
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.clx")));
    EXPECT_EQ(Bytes(File()), Bytes(Path("busy.clx")));
    struct stat st {};
    ::stat(File().c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0604u);
    EXPECT_EQ(st.st_uid, owner);

    // A new file gets the usual permissions, not those of a private temporary.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(Save_File(Path("new.clx"), Busy_State()));
    ::umask(mask);
    ::stat(Path("new.clx").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}
