#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace calorix;
using Action = Command_Line::Action;

struct Command_Line_Case {
    const char* name;
    std::vector<std::string> arguments;
    Action what;
    bool no_pause;
    std::string file;
    std::string message;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const Command_Line_Case& c, std::ostream* os) {
    *os << c.name;
}

class Parse : public ::testing::TestWithParam<Command_Line_Case> {};

TEST_P(Parse, ReadsTheArgumentsInOrder) {
    const Command_Line_Case& c = GetParam();
    const Command_Line line = Parse_Command_Line(c.arguments);
    EXPECT_EQ(line.What, c.what);
    EXPECT_EQ(line.No_Pause, c.no_pause);
    EXPECT_EQ(line.File_Path, c.file);
    EXPECT_EQ(line.Message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Parse,
    ::testing::Values(
        Command_Line_Case{"Nothing", {}, Action::Start, false, "", ""},
        Command_Line_Case{"File", {"plate.clx"}, Action::Start, false, "plate.clx", ""},
        Command_Line_Case{"PauseAndFileEitherOrder",
                          {"/tmp/a b.clx", "--no-pause"},
                          Action::Start,
                          true,
                          "/tmp/a b.clx",
                          ""},
        Command_Line_Case{"LoneDashIsAFile", {"-"}, Action::Start, false, "-", ""},
        Command_Line_Case{"EmptyNamesNoFile", {""}, Action::Start, false, "", ""},
        Command_Line_Case{"DoubleDashEndsOptions",
                          {"--no-pause", "--", "--help.clx"},
                          Action::Start,
                          true,
                          "--help.clx",
                          ""},
        Command_Line_Case{"HelpLong", {"--help"}, Action::Help, false, "", ""},
        Command_Line_Case{"HelpShortAfterFile", {"x.clx", "-h"}, Action::Help, false, "x.clx", ""},
        Command_Line_Case{"Version", {"--version", "--help"}, Action::Version, false, "", ""},
        Command_Line_Case{"HelpAfterUnknownIsAnError",
                          {"-platform", "--help"},
                          Action::Error,
                          false,
                          "",
                          "unknown option -platform"},
        Command_Line_Case{"SecondFile",
                          {"a.clx", "b.clx"},
                          Action::Error,
                          false,
                          "a.clx",
                          "only one problem file can be opened: b.clx"},
        Command_Line_Case{"DashedAfterDoubleDashCountsAsSecondFile",
                          {"a.clx", "--", "-b.clx"},
                          Action::Error,
                          false,
                          "a.clx",
                          "only one problem file can be opened: -b.clx"}),
    [](const ::testing::TestParamInfo<Command_Line_Case>& info) { return info.param.name; });

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
    std::size_t start = 0;
    while (start < help.size()) {
        const std::size_t end = help.find('\n', start);
        EXPECT_LE(end - start, 80u) << help.substr(start, end - start);
        start = end + 1;
    }
    EXPECT_EQ(Version_Text(), "CALORIX 1.0\n");
}
