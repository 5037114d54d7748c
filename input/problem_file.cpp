#include "input/problem_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "common/atomic_file.h"
#include "common/number_text.h"
#include "common/run_error.h"

namespace calorix {

namespace {

bool Has_Y_Grid(int tab) {
    return tab == Kind_Steady_2D || tab == Kind_Transient_2D;
}
bool Is_Transient(int tab) {
    return tab == Kind_Transient_1D || tab == Kind_Transient_2D;
}

// The text of a real as the file holds it, always one the reader takes back:
// the general text, except that an infinity (a box holding 1e400) is written
// as 1E+999, which reads back as the same infinity, and a value whose 15-digit
// rounding passes the largest double (1.7976931348623157e308 would give
// 1.79769313486232E+308, an overflow) loses one unit of its last digit
// toward zero.
std::string File_Real_Text(double value) {
    if (std::isinf(value)) {
        return value < 0 ? "-1E+999" : "1E+999";
    }
    std::string text = General_Text(value);
    if (std::isinf(Text_To_Number(text))) {
        std::size_t last = text.find('E') - 1;
        while (text[last] == '0') {
            text[last--] = '9';  // borrow from the digit before
        }
        --text[last];
    }
    return text;
}

// The text a box shows for a value read back: the plain rule, or the general
// text for the heat-generation box.  An infinity shows as 1E+999 so that the
// box still reads as that infinity.
std::string Box_Text(double value, bool plain = true) {
    if (std::isinf(value)) {
        return value < 0 ? "-1E+999" : (plain ? " 1E+999" : "1E+999");
    }
    return plain ? Plain_Number_Text(value) : General_Text(value);
}

// One value per write statement, so one value per line.
class Record_Writer {
  public:
    void Integer(int value) { text_ += std::to_string(value) + "\r\n"; }
    void Real(const std::string& box_text) { Write_Real(Text_To_Number(box_text)); }
    // The nodes in y are read into a 16-bit integer: a value beyond its range
    // is written as the nearest value the reader can take.
    void Integer16_Real(const std::string& box_text) {
        const double value = Text_To_Number(box_text);
        if (Round_Half_Even(value) > 32767) {
            Write_Real(32767);
        } else if (Round_Half_Even(value) < -32768) {
            Write_Real(-32768);
        } else {
            Write_Real(value);
        }
    }
    const std::string& Text() const { return text_; }

  private:
    void Write_Real(double value) { text_ += File_Real_Text(value) + "\r\n"; }
    std::string text_;
};

// The sequential input convention: before a numeric field, blanks, tabs and
// line ends are skipped; the field then runs to the next comma or line end.
class Record_Reader {
  public:
    explicit Record_Reader(std::string text) : text_(std::move(text)) {}

    // The next value, or nothing at the end of the file or for a field that
    // is not a number.
    std::optional<double> Real() {
        while (pos_ < text_.size() && Is_Separator_Blank(text_[pos_])) {
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            return std::nullopt;
        }
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != ',' && text_[end] != '\r' &&
               text_[end] != '\n') {
            ++end;
        }
        std::string_view field(text_.data() + pos_, end - pos_);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) {
            field.remove_suffix(1);
        }
        pos_ = end < text_.size() && text_[end] == ',' ? end + 1 : end;
        // A field is one whole number, with an E or D exponent.
        if (!Is_Complete_Number(field, true)) {
            return std::nullopt;
        }
        // A value beyond the double range reads as an infinity of its sign,
        // the form in which a box holding such a value is saved.
        return Text_To_Number(field);
    }

    // A value read into a 16-bit integer: rounded half-even, overflow fails.
    std::optional<std::int16_t> Integer() {
        const std::optional<double> value = Real();
        if (!value) {
            return std::nullopt;
        }
        try {
            return To_Int16(*value);
        } catch (const Run_Error&) {
            return std::nullopt;
        }
    }

  private:
    static bool Is_Separator_Blank(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    }
    std::string text_;
    std::size_t pos_ = 0;
};

// At most the first Max_Problem_File_Bytes of a regular file.  The file is
// opened without waiting, so that a FIFO or a device named in its place is
// refused at once instead of blocking the window or filling the memory.  A
// file that goes on is cut after its last line end within the bound, so no
// field is read cut short.  False for anything but a regular file and for a
// failed read.
bool Read_Problem_Text(const std::string& path, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    text.assign(Max_Problem_File_Bytes + 1, '\0');
    std::size_t filled = 0;
    while (ok && filled < text.size()) {
        const ssize_t n = ::read(fd, text.data() + filled, text.size() - filled);
        if (n == 0) {
            break;
        }
        if (n < 0 && errno != EINTR) {
            ok = false;
        }
        filled += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ::close(fd);
    if (filled > Max_Problem_File_Bytes) {
        const std::size_t end = text.rfind('\n', Max_Problem_File_Bytes - 1);
        filled = end == std::string::npos ? 0 : end + 1;
    }
    text.resize(filled);
    return ok;
}

// Lines a to k of tab t, written back into the tab's boxes as they are read.
bool Read_Tab(Record_Reader& r, int t, Problem_Definition& f, Parameter_Texts& p) {
    std::optional<double> v[6];
    for (auto& value : v) {
        if (!(value = r.Real())) {
            return false;
        }
    }
    f.Grid_Size = *v[0];
    f.Q_generation = *v[1];
    f.Conductivity = *v[2];
    f.Guess_Temp = *v[3];
    f.Initial_Temp = *v[4];  // read, but the box shows the guess
    f.X_Grid = *v[5];
    if (Has_Y_Grid(t)) {
        const std::optional<std::int16_t> y = r.Integer();
        if (!y) {
            return false;
        }
        f.Y_Grid = *y;
    }
    if (Is_Transient(t)) {
        const std::optional<double> alpha = r.Real();
        const std::optional<double> dt = alpha ? r.Real() : std::nullopt;
        const std::optional<double> steps = dt ? r.Real() : std::nullopt;
        if (!steps) {
            return false;
        }
        f.Diffusivity = *alpha;
        f.Time_Step = *dt;
        f.Number_Of_Time_Steps = *steps;
    }

    p.Grid_Size_Text = Box_Text(f.Grid_Size);
    p.Heat_Generation_Text = Box_Text(f.Q_generation, false);
    p.Thermal_Conductivity_Text = Box_Text(f.Conductivity);
    p.Guess_Initial_Temperature_Text = Box_Text(f.Guess_Temp);
    p.X_Grid_Text = Box_Text(f.X_Grid);
    if (Has_Y_Grid(t)) {
        p.Y_Grid_Text = Plain_Number_Text(f.Y_Grid);
    }
    if (Is_Transient(t)) {
        p.Diffusivity_Text = Box_Text(f.Diffusivity);
        p.Time_Step_Text = Box_Text(f.Time_Step);
        p.Number_Of_Time_Steps_Text = Box_Text(f.Number_Of_Time_Steps);
        const std::optional<std::int16_t> scheme = r.Integer();
        if (!scheme) {
            return false;
        }
        if (*scheme == 0 || *scheme == 1) {
            p.Explicit_Option = *scheme == 0;  // any other code changes nothing
        }
    }
    return true;
}

// The sixteen choices, then the four values of every side.
bool Read_Sides(Record_Reader& r, Input_Form_State& state) {
    for (Side_Inputs& s : state.Sides) {
        const std::optional<std::int16_t> code = r.Integer();
        if (!code) {
            return false;
        }
        if (*code == BC_Temperature || *code == BC_Flux || *code == BC_Convection) {
            s.Choice = *code;
        }
    }
    for (Side_Inputs& s : state.Sides) {
        const std::optional<double> t = r.Real();
        const std::optional<double> q = t ? r.Real() : std::nullopt;
        const std::optional<double> h = q ? r.Real() : std::nullopt;
        const std::optional<double> t_inf = h ? r.Real() : std::nullopt;
        if (!t_inf) {
            return false;
        }
        s.T_Text = Box_Text(*t);
        s.q_Text = Box_Text(*q);
        s.h_Text = Box_Text(*h);
        s.T_Infinity_Text = Box_Text(*t_inf);
    }
    return true;
}

}  // namespace

bool Save_File(const std::string& path, const Input_Form_State& state) {
    Record_Writer w;
    w.Integer(state.Kind);
    for (int t = 0; t < 4; ++t) {
        const Parameter_Texts& p = state.Tabs[static_cast<std::size_t>(t)];
        w.Real(p.Grid_Size_Text);
        w.Real(p.Heat_Generation_Text);
        w.Real(p.Thermal_Conductivity_Text);
        // The same box fills the guessed and the initial temperature slot.
        w.Real(p.Guess_Initial_Temperature_Text);
        w.Real(p.Guess_Initial_Temperature_Text);
        w.Real(p.X_Grid_Text);
        if (Has_Y_Grid(t)) {
            w.Integer16_Real(p.Y_Grid_Text);
        }
        if (Is_Transient(t)) {
            w.Real(p.Diffusivity_Text);
            w.Real(p.Time_Step_Text);
            w.Real(p.Number_Of_Time_Steps_Text);
            w.Integer(p.Explicit_Option ? 0 : 1);
        }
    }
    for (const Side_Inputs& s : state.Sides) {
        w.Integer(s.Choice);
    }
    // Note the order: h comes before the environment temperature.
    for (const Side_Inputs& s : state.Sides) {
        w.Real(s.T_Text);
        w.Real(s.q_Text);
        w.Real(s.h_Text);
        w.Real(s.T_Infinity_Text);
    }
    // Written whole or not at all: a full disk leaves the old file intact.
    return Replace_File_Contents(path, w.Text());
}

bool Open_File(const std::string& path, Input_Form_State& state, Problem_Definition* fields) {
    std::string text;
    if (!Read_Problem_Text(path, text)) {
        return false;
    }
    Record_Reader r(std::move(text));
    Problem_Definition scratch;
    Problem_Definition& f = fields != nullptr ? *fields : scratch;

    const std::optional<std::int16_t> kind = r.Integer();
    if (!kind || *kind < 0 || *kind > 3) {
        return false;  // there is no such tab to select
    }
    state.Kind = *kind;
    for (int t = 0; t < 4; ++t) {
        if (!Read_Tab(r, t, f, state.Tabs[static_cast<std::size_t>(t)])) {
            return false;
        }
    }
    return Read_Sides(r, state);
}

}  // namespace calorix
