#include "app/command_line.h"

#ifndef CALORIX_VERSION
#error "CALORIX_VERSION must name the program version"
#endif

#include <string_view>

namespace calorix {

namespace {

// The toolkit's own options, which it takes out of the arguments when it
// starts (with one dash or two): those with a value, then those without.
constexpr std::string_view Toolkit_Options_With_Value[] = {"platform",        "platformpluginpath",
                                                           "platformtheme",   "plugin",
                                                           "qwindowgeometry", "geometry",
                                                           "qwindowtitle",    "title",
                                                           "qwindowicon",     "icon",
                                                           "display",         "name",
                                                           "session",         "style",
                                                           "stylesheet"};
constexpr std::string_view Toolkit_Flags[] = {"reverse", "widgetcount", "nograb",
                                              "dograb",  "sync",        "testability"};

// "-style=fusion" and "--style=fusion" both name "style=fusion".
std::string_view Option_Name(const std::string& argument) {
    std::string_view name(argument);
    name.remove_prefix(name.rfind("--", 0) == 0 ? 2 : 1);
    return name;
}

// How many arguments from `at` a toolkit option takes (0: none of its own).
// "-style=fusion" is one, "-style fusion" two.
std::size_t Toolkit_Option_Length(const std::vector<std::string>& arguments, std::size_t at) {
    const std::string_view name = Option_Name(arguments[at]);
    const std::size_t equals = name.find('=');
    if (name.substr(0, equals) == "qmljsdebugger") {
        return 1;
    }
    for (std::string_view option : Toolkit_Options_With_Value) {
        if (name.substr(0, equals) == option) {
            return equals != std::string_view::npos || at + 1 == arguments.size() ? 1 : 2;
        }
    }
    for (std::string_view flag : Toolkit_Flags) {
        if (name == flag) {
            return 1;
        }
    }
    return 0;
}

}  // namespace

Command_Line Parse_Command_Line(const std::vector<std::string>& arguments) {
    Command_Line line;
    bool options_ended = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        const bool is_option = !options_ended && argument.size() > 1 && argument[0] == '-';
        const std::size_t toolkit = is_option ? Toolkit_Option_Length(arguments, at) : 0;
        if (toolkit > 0) {
            if (toolkit == 2 && Option_Name(argument) == "platform") {
                line.Platform = arguments[at + 1];
            }
            at += toolkit - 1;
        } else if (!is_option) {
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

std::string Missing_Display(const Command_Line& line, const char* platform_variable,
                            const char* display, const char* wayland_display) {
    auto given = [](const char* text) { return text != nullptr && *text != '\0'; };
    // The command line's choice comes before the environment's.
    const std::string platform = !line.Platform.empty()
                                     ? line.Platform
                                     : (given(platform_variable) ? platform_variable : "");
    const bool x11 = platform == "xcb" || (platform.empty() && !given(wayland_display));
    if (x11 && !given(display)) {
        return "no display to open the window on (DISPLAY is not set)";
    }
    return "";
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
