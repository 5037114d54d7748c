#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace calorix;
using Action = Command_Line::Action;

// The arguments are read in order: a lone dash is a file, an empty name is
// none, "--" ends the options, the first of help and version wins, but an
// unknown option before them is an error, and so is a second file.
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
        {{"-platform", "--help"}, Action::Error, false, "", "unknown option -platform"},
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
