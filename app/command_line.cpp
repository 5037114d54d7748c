#include "app/command_line.h"

#ifndef CALORIX_VERSION
#error "CALORIX_VERSION must name the program version"
#endif

namespace calorix {

Command_Line Parse_Command_Line(const std::vector<std::string>& arguments) {
    Command_Line line;
    bool options_ended = false;
    for (const std::string& argument : arguments) {
        const bool is_option = !options_ended && argument.size() > 1 && argument[0] == '-';
        if (!is_option) {
            if (!line.File_Path.empty()) {
                line.What = Command_Line::Action::Error;
                line.Message = "only one problem file can be opened: " + argument;
                return line;
            }
            // An empty argument (an unset %f of a launcher) names no file.
            line.File_Path = argument;
        } else if (argument == "--") {
            options_ended = true;
        } else if (argument == "--help" || argument == "-h") {
            line.What = Command_Line::Action::Help;
            return line;
        } else if (argument == "--version") {
            line.What = Command_Line::Action::Version;
            return line;
        } else if (argument == "--no-pause") {
            line.No_Pause = true;
        } else {
            line.What = Command_Line::Action::Error;
            line.Message = "unknown option " + argument;
            return line;
        }
    }
    return line;
}

std::string Help_Text() {
    return "Usage: calorix [--no-pause] [FILE.clx]\n"
           "\n"
           "CALORIX solves one- and two-dimensional, steady and transient heat\n"
           "conduction problems by the finite-difference method and shows the\n"
           "temperatures as a table, a chart and a shaded picture.\n"
           "\n"
           "With FILE.clx the problem file is opened on the input window after the\n"
           "start-up screen, as File > Open does.\n"
           "\n"
           "Options:\n"
           "  --no-pause   hand over from the start-up screen at once\n"
           "  -h, --help   show this text and exit\n"
           "  --version    show the version and exit\n";
}

std::string Version_Text() {
    return std::string("CALORIX ") + CALORIX_VERSION + "\n";
}

}  // namespace calorix
