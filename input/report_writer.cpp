#include "input/report_writer.h"

#include "common/atomic_file.h"
#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {

constexpr std::size_t Print_Zone_Width = 14;

const char* const Report_Titles[4] = {"1-D Steady State Problem", "2-D Steady State Problem",
                                      "1-D Transient Problem", "2-D Transient Problem"};
const char* const Side_Headings[4] = {"Left Side", "Right Side", "Top Side", "Bottom Side"};

// A print statement: the text, then the line end.
class Report_Lines {
  public:
    void Line(const std::string& text = std::string()) {
        text_ += text;
        text_ += "\r\n";
    }
    std::string& Text() { return text_; }

  private:
    std::string text_;
};

std::string Number_Of(const std::string& box_text) {
    return General_Text(Text_To_Number(box_text));
}

void Write_Heading(const Problem_Definition& p, const Parameter_Texts& tab, int k,
                   const std::string& method_note, Report_Lines& r) {
    const bool two_d = k == Kind_Steady_2D || k == Kind_Transient_2D;
    const bool transient = k == Kind_Transient_1D || k == Kind_Transient_2D;
    r.Line(Report_Titles[k]);
    r.Line();
    r.Line();
    // The grid size is typed in centimetres; the report gives metres.
    r.Line("Grid Size = " + General_Text(p.Grid_Size / 100) + " m");
    r.Line("Heat Generation = " + General_Text(p.Q_generation) + " W/m^3");
    r.Line("Thermal Conductivity = " + General_Text(p.Conductivity) + " W/m.C");
    if (transient) {
        r.Line("Initial Temperature = " + General_Text(p.Initial_Temp) + " C");
    } else {
        r.Line("Guess Temperature = " + General_Text(p.Guess_Temp) + " C");
    }
    r.Line("Number of Nodes in x Direction = " + General_Text(p.X_Grid));
    if (two_d) {
        r.Line("Number of Nodes in y Direction = " + General_Text(p.Y_Grid));
    }
    if (transient) {
        r.Line("Thermal Diffusivity = " + General_Text(p.Diffusivity) + " m^2/s");
        r.Line("Time Step = " + General_Text(p.Time_Step) + " sec");
        r.Line("Number of Time Steps = " + General_Text(p.Number_Of_Time_Steps));
        r.Line(tab.Explicit_Option ? "Explicit Scheme" : "Implicit Scheme");
    }
    if (!method_note.empty()) {
        r.Line(method_note);  // a steady run solved directly, not by its sweeps
    }
    r.Line();
    r.Line();
    r.Line("Boundary Conditions: ");
}

void Write_Sides(const Input_Form_State& form, Problem_Definition& p, int k, Report_Lines& r) {
    // The 1-D transient tab lists left and right only; the 1-D steady tab
    // walks all four sides and leaves a blank line for each missing one.
    const int first = 4 * k;
    const int last = k == Kind_Transient_1D ? first + 1 : first + 3;
    for (int j = first; j <= last; ++j) {
        const int side = j - first;
        p.Side_String = Side_Headings[side];
        r.Line();
        if (k == Kind_Steady_1D && (side == Side_Top || side == Side_Bottom)) {
            continue;
        }
        r.Line(p.Side_String);
        const Side_Inputs& s = form.Sides[static_cast<std::size_t>(j)];
        switch (s.Choice) {
            case BC_Temperature:
                r.Line("     Constant Temperature BC");
                r.Line("     T = " + Number_Of(s.T_Text) + " C");
                break;
            case BC_Flux:
                r.Line("     Constant Heat Flux BC");
                r.Line("     q = " + Number_Of(s.q_Text) + " W/m^2");
                break;
            case BC_Convection:
                r.Line("     Convection Environment BC");
                r.Line("     h          =           " + Number_Of(s.h_Text) + "   W/m^2.C");
                r.Line("     T_Infinity =" + Number_Of(s.T_Infinity_Text) + " C");
                break;
            default:
                break;
        }
        r.Line();
    }
}

}  // namespace

std::string Report_Table_Text(const Text_Table& table) {
    std::string text;
    for (int row = 0; row < table.Rows(); ++row) {
        const std::size_t line_start = text.size();
        for (int col = 0; col < table.Cols(); ++col) {
            text += Format_Text(table.Cell(row, col), "00.00");
            text += "      ";
            // The comma of a print statement: on to the start of the next
            // zone, which is the following one when the text has just filled
            // or passed the current zone.
            const std::size_t column = text.size() - line_start;
            const std::size_t next_zone = (column / Print_Zone_Width + 1) * Print_Zone_Width;
            text.append(next_zone - column, ' ');
        }
        text += "\r\n";
    }
    return text;
}

Report_Result Print_To_File(const std::string& path, const Input_Form_State& form,
                            Problem_Definition& p, const Output_Model& out) {
    Report_Result result;
    const int k = form.Kind;
    if (k < 0 || k > 3) {
        return result;
    }
    try {
        Initialize_Inputs(form, p);
    } catch (const Run_Error&) {
        return result;  // nodes in y beyond 16 bits: no report
    }
    if (path.empty()) {
        return result;
    }
    Report_Lines r;
    Write_Heading(p, form.Tabs[static_cast<std::size_t>(k)], k,
                  out.Kind == k ? out.Method_Note : std::string(), r);
    Write_Sides(form, p, k, r);
    r.Line();
    r.Line();
    if (k == Kind_Transient_2D) {
        r.Line(out.Table_Title_Label + out.Time_List_Text + "  Sec");
    } else {
        r.Line(out.Table_Title_Label);
    }
    r.Line();
    r.Line("");

    result.Plot_X_Count = out.Output_Table.Rows();
    result.Plot_Y_Count = out.Output_Table.Cols();
    r.Text() += Report_Table_Text(out.Output_Table);

    // Written whole or not at all: a failed write leaves an older report as it was.
    result.Written = Replace_File_Contents(path, r.Text());
    return result;
}

}  // namespace calorix
