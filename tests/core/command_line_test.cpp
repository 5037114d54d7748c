#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace calorix;
using Action = Command_Line::Action;

// The arguments are read in order: a lone dash is a file, an empty name is
// none, "--" ends the options, the first of help and version wins, but an
// unknown option before them is an error, and so is a second file; the
// toolkit's own options and their values are passed over.
TEST(CommandLine, ReadsTheArgumentsInOrder) {
    const struct {
        std::vector<std::string> arguments;
        Action what;
        bool no_pause;
        std::string file, message;
    } cases[] = {
        {{}, Action::Start, false, "", ""},
        {{"plate.clx"}, Action::Start, false, "plate.clx", ""},
        {{"/tmp/a b.clx", "--no-pause"}, Action::Start, true, "/tmp/a b.clx", ""},
        {{"-"}, Action::Start, false, "-", ""},
        {{""}, Action::Start, false, "", ""},
        {{"--no-pause", "--", "--help.clx"}, Action::Start, true, "--help.clx", ""},
        {{"--help"}, Action::Help, false, "", ""},
        {{"x.clx", "-h"}, Action::Help, false, "x.clx", ""},
        {{"--version", "--help"}, Action::Version, false, "", ""},
        {{"--bogus", "--help"}, Action::Error, false, "", "unknown option --bogus"},
        // The toolkit's options, with their values, are its own.
        {{"-platform", "offscreen", "--style=fusion", "-reverse", "x.clx", "--geometry", "9x9"},
         Action::Start,
         false,
         "x.clx",
         ""},
        {{"-style", "--bogus.clx", "-stylish"},
         Action::Error,
         false,
         "",
         "unknown option -stylish"},
        {{"a.clx", "b.clx"},
         Action::Error,
         false,
         "a.clx",
         "only one problem file can be opened: b.clx"},
        {{"a.clx", "--", "-b.clx"},
         Action::Error,
         false,
         "a.clx",
         "only one problem file can be opened: -b.clx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const Command_Line line = Parse_Command_Line(c.arguments);
        EXPECT_EQ(line.What, c.what);
        EXPECT_EQ(line.No_Pause, c.no_pause);
        EXPECT_EQ(line.File_Path, c.file);
        EXPECT_EQ(line.Message, c.message);
    }
}

// The toolkit aborts on X11 without DISPLAY: X11 is the platform named by
// -platform, else by QT_QPA_PLATFORM, else the default unless a Wayland
// display is given.
TEST(CommandLine, NoWindowWithoutADisplay) {
    Command_Line on_xcb;
    on_xcb.Platform = "xcb";
    const std::string none = "no display to open the window on (DISPLAY is not set)";
    const struct {
        Command_Line line;
        const char *platform, *display, *wayland;
        std::string message;
    } cases[] = {
        {Command_Line{}, nullptr, nullptr, nullptr, none},
        {Command_Line{}, nullptr, ":0", nullptr, ""},
        {Command_Line{}, nullptr, nullptr, "wayland-0", ""},
        {Command_Line{}, "xcb", nullptr, "wayland-0", none},
        {Command_Line{}, "offscreen", nullptr, nullptr, ""},
        {on_xcb, "offscreen", nullptr, nullptr, none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Missing_Display(c.line, c.platform, c.display, c.wayland), c.message)
            << c.line.Platform << " " << (c.platform ? c.platform : "-");
    }
}

TEST(CommandLineTexts, HelpFitsOneScreenAndNamesEveryOption) {
    const std::string help = Help_Text();
    int lines = 0;
    for (char c : help) {
        lines += c == '\n' ? 1 : 0;
        EXPECT_NE(c, '\t');
    }
    EXPECT_LE(lines, 24);
    EXPECT_EQ(help.rfind("Usage: calorix ", 0), 0u);
    EXPECT_EQ(help.back(), '\n');
    for (const char* option : {"--no-pause", "--help", "--version", "FILE.clx"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    for (std::size_t start = 0, end; start < help.size(); start = end + 1) {
        end = help.find('\n', start);
        EXPECT_LE(end - start, 80u) << help.substr(start, end - start);
    }
    EXPECT_EQ(Version_Text(), "CALORIX 1.0\n");
}
