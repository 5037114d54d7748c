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
};

// Reads the arguments after the program name, in order.  "--help" and
// "--version" answer at once, an unknown option or a second file is an
// error, and "--" ends the options so that a file named "-x.clx" can be given.
Command_Line Parse_Command_Line(const std::vector<std::string>& arguments);

// The texts printed for --help and --version; each ends with a line end.
std::string Help_Text();
std::string Version_Text();

}  // namespace calorix
