#pragma once
// What the program is asked to do on its command line.  A file manager starts
// it as "calorix FILE.clx" for a double-clicked problem file; people type
// "--help" or "--version".  Without arguments it simply starts.
#include <string>
#include <vector>

namespace calorix {

struct Command_Line {
    enum class Action { Start, Help, Version, Error };
    Action What = Action::Start;
    // Skip the start-up pause (scripted sessions, screenshots).
    bool No_Pause = false;
    // The problem file to open once the input window is up; empty for none.
    std::string File_Path;
    // For Error: what was wrong, one line without the program name.
    std::string Message;
    // The window system named by the toolkit's -platform option; empty for
    // none.  The toolkit's own options are otherwise passed over: the toolkit
    // takes them out itself when it starts.
    std::string Platform;
};

// Reads the arguments after the program name, in order, before the toolkit
// has seen them.  "--help" and "--version" answer at once, an unknown option
// or a second file is an error, and "--" ends the options so that a file
// named "-x.clx" can be given.
Command_Line Parse_Command_Line(const std::vector<std::string>& arguments);

// Why no window could be opened, or an empty text when one may be: on the
// X11 window system (named, or the default when no Wayland display is
// given) without DISPLAY the toolkit would abort.  Checked before the
// toolkit starts, so that a text console gets a message instead.  The
// arguments are the values of QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY
// (null when unset).
std::string Missing_Display(const Command_Line& line, const char* platform_variable,
                            const char* display, const char* wayland_display);

// The texts printed for --help and --version; each ends with a line end.
std::string Help_Text();
std::string Version_Text();

}  // namespace calorix
