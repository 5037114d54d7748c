#include "analysis/node_equation.h"

#include <charconv>
#include <cmath>

namespace calorix {

namespace {

const char* const Side_Letter[4] = {"L", "R", "T", "B"};
const char* const Side_Word[4] = {"left", "right", "top", "bottom"};

const char* Kind_Words(std::int16_t kind) {
    switch (kind) {
        case BC_Temperature:
            return "constant temperature";
        case BC_Flux:
            return "constant heat flux";
        default:
            return "convection";
    }
}

Side_Term Make_Term(const Fd_Grid& g, int side, double share) {
    const Grid_Side& s = g.sides[static_cast<std::size_t>(side)];
    Side_Term t;
    t.side = side;
    t.share = share;
    if (s.kind == BC_Flux) {
        t.s = share * (s.q * g.dx / g.k);
    } else {
        t.s = share * (s.bi * s.t_inf);
        t.c = share * s.bi;
    }
    return t;
}

}  // namespace

std::string Equation_Number(double v) {
    if (v == 0) {
        return "0";  // no "-0"
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, r.ptr);
}

Fd_Grid Make_Grid(const Problem_Definition& p, int kind, int nx, int ny) {
    Fd_Grid g;
    g.kind = kind;
    g.nx = nx;
    g.ny = (kind == Kind_Steady_1D || kind == Kind_Transient_1D) ? 1 : ny;
    g.dx = p.Grid_Size / 100.0;
    g.k = p.Conductivity;
    g.g = p.Q_generation;
    g.g1 = g.dx * g.dx * p.Q_generation / g.k;
    if (g.Transient()) {
        g.alpha = p.Diffusivity;
        g.dt = p.Time_Step;
        g.f = p.Diffusivity * p.Time_Step / (g.dx * g.dx);
        g.implicit = !p.Explicit_Scheme;
    }
    const double t[4] = {p.Temp_BC_Left, p.Temp_BC_Right, p.Temp_BC_Top, p.Temp_BC_Bottom};
    const double q[4] = {p.Q_BC_Left, p.Q_BC_Right, p.Q_BC_Top, p.Q_BC_Bottom};
    const double h[4] = {p.h_BC_Left, p.h_BC_Right, p.h_BC_Top, p.h_BC_Bottom};
    const double ti[4] = {p.T_Infinity_BC_Left, p.T_Infinity_BC_Right, p.T_Infinity_BC_Top,
                          p.T_Infinity_BC_Bottom};
    for (int s = 0; s < 4; ++s) {
        Grid_Side& gs = g.sides[static_cast<std::size_t>(s)];
        gs.kind = p.BC_Of(s);
        gs.t = t[s];
        gs.q = q[s];
        gs.h = h[s];
        gs.t_inf = ti[s];
        gs.bi = h[s] * g.dx / g.k;
    }
    return g;
}

Fd_Grid Run_Grid(const Problem_Definition& p, const Result_Stores& s, int kind) {
    switch (kind) {
        case Kind_Steady_1D:
            return Make_Grid(p, kind, s.Steady_1D.Nodes_1D, 1);
        case Kind_Steady_2D:
            return Make_Grid(p, kind, s.Steady_2D.X_Nodes_2D, s.Steady_2D.Y_Nodes_2D);
        case Kind_Transient_1D:
            return Make_Grid(p, kind, s.Transient_1D.Temperature_History_1D.Nodes(), 1);
        default:
            return Make_Grid(p, kind, s.Transient_2D.X_Nodes_T2D, s.Transient_2D.Y_Nodes_T2D);
    }
}

const double* Steady_Field(const Result_Stores& s, int kind) {
    return kind == Kind_Steady_1D ? s.Steady_1D.Temperature_1D.Data()
                                  : s.Steady_2D.Temperature_2D.Data();
}

const double* Instrument_Field(const Result_Stores& s, int kind) {
    const Steady_1D_Store& w = s.Steady_1D;
    if (kind == Kind_Steady_1D && w.Unclamped_1D.size() == static_cast<std::size_t>(w.Nodes_1D)) {
        return w.Unclamped_1D.data();
    }
    return Steady_Field(s, kind);
}

int Nodes_Stored_As_Zero(const Result_Stores& s, int kind) {
    const double* stored = Steady_Field(s, kind);
    const double* unclamped = Instrument_Field(s, kind);
    int count = 0;
    for (int i = 0; kind == Kind_Steady_1D && i < s.Steady_1D.Nodes_1D; ++i) {
        count += stored[i] != unclamped[i] ? 1 : 0;
    }
    return count;
}

int First_Level(int kind) {
    return kind == Kind_Transient_1D ? 1 : 0;
}

int Last_Level(const Result_Stores& s, int kind) {
    return kind == Kind_Transient_1D ? s.Transient_1D.Temperature_History_1D.Levels()
                                     : s.Transient_2D.Temperature_History_2D.Levels() - 1;
}

const double* Level_Field(const Result_Stores& s, int kind, int level) {
    return kind == Kind_Transient_1D ? s.Transient_1D.Temperature_History_1D.Level(level)
                                     : s.Transient_2D.Temperature_History_2D.Level(level);
}

double Node_Equation::Diagonal() const {
    double d = 0;
    for (int n = 0; n < nb_count; ++n) {
        d += nb[static_cast<std::size_t>(n)].w;
    }
    for (int n = 0; n < st_count; ++n) {
        d += st[static_cast<std::size_t>(n)].c;
    }
    return d;
}

namespace {

// Builds one node's equation: its neighbours, side terms and cell.
struct Equation_Builder {
    const Fd_Grid& g;
    Node_Equation e;

    std::int16_t Kind_Of(int side) const { return g.sides[static_cast<std::size_t>(side)].kind; }
    void Add(int ni, int nj, double w, const char* name) {
        e.nb[static_cast<std::size_t>(e.nb_count++)] = {ni, nj, w, name};
    }
    void Add_Term(int side, double share) {
        e.st[static_cast<std::size_t>(e.st_count++)] = Make_Term(g, side, share);
    }
    Node_Equation Fixed(int side) {
        e.type = Node_Type::Fixed;
        e.side = side;
        e.fixed_value = g.sides[static_cast<std::size_t>(side)].t;
        e.cell = 0;
        return e;
    }

    Node_Equation Wall(int i) {
        if (i != 1 && i != g.nx) {
            Add(i - 1, 1, 1.0, "T_W");
            Add(i + 1, 1, 1.0, "T_E");
            e.gen = g.g1;
            return e;
        }
        const int side = i == 1 ? Side_Left : Side_Right;
        if (Kind_Of(side) == BC_Temperature) {
            return Fixed(side);
        }
        // The steady wall's face node balances the side against one
        // conduction step and holds no heat; the transient wall's face node
        // is a half cell.
        e.type = Node_Type::Face;
        e.side = side;
        Add(i == 1 ? 2 : g.nx - 1, 1, 1.0, "N_in");
        Add_Term(side, 1.0);
        e.cell = g.Transient() ? 0.5 : 0.0;
        e.gen = g.Transient() ? g.g1 / 2.0 : 0.0;
        return e;
    }

    // A constant-temperature left or right side decides the corner, else a
    // constant-temperature top or bottom, else the quarter cell.
    Node_Equation Corner(int i, int j) {
        const bool left = i == 1, top = j == 1;
        e.v_side = left ? Side_Left : Side_Right;
        e.h_side = top ? Side_Top : Side_Bottom;
        if (Kind_Of(e.v_side) == BC_Temperature) {
            return Fixed(e.v_side);
        }
        if (Kind_Of(e.h_side) == BC_Temperature) {
            return Fixed(e.h_side);
        }
        e.type = Node_Type::Corner;
        Add(left ? 2 : g.nx - 1, j, 0.5, "N_1");
        Add(i, top ? 2 : g.ny - 1, 0.5, "N_2");
        Add_Term(e.h_side, 0.5);
        Add_Term(e.v_side, 0.5);
        e.gen = g.g1 / 4.0;
        e.cell = 0.25;
        e.scale = 2;
        return e;
    }

    Node_Equation Edge(int i, int j, int side) {
        if (Kind_Of(side) == BC_Temperature) {
            return Fixed(side);
        }
        e.type = Node_Type::Edge;
        e.side = side;
        if (side == Side_Top || side == Side_Bottom) {
            Add(i, side == Side_Top ? 2 : g.ny - 1, 1.0, "N_in");
            Add(i - 1, j, 0.5, "N_a");
            Add(i + 1, j, 0.5, "N_b");
        } else {
            Add(side == Side_Left ? 2 : g.nx - 1, j, 1.0, "N_in");
            Add(i, j - 1, 0.5, "N_a");
            Add(i, j + 1, 0.5, "N_b");
        }
        Add_Term(side, 1.0);
        e.gen = g.g1 / 2.0;
        e.cell = 0.5;
        e.scale = 2;
        return e;
    }
};

}  // namespace

Node_Equation Equation_At(const Fd_Grid& g, int i, int j) {
    Equation_Builder b{g, {}};
    b.e.i = i;
    b.e.j = j;
    if (g.Wall()) {
        return b.Wall(i);
    }
    const bool left = i == 1, right = i == g.nx, top = j == 1, bottom = j == g.ny;
    if ((left || right) && (top || bottom)) {
        return b.Corner(i, j);
    }
    if (top || bottom || left || right) {
        return b.Edge(i, j, top ? Side_Top : bottom ? Side_Bottom : left ? Side_Left : Side_Right);
    }
    b.Add(i - 1, j, 1.0, "T_W");
    b.Add(i + 1, j, 1.0, "T_E");
    b.Add(i, j - 1, 1.0, "T_N");
    b.Add(i, j + 1, 1.0, "T_S");
    b.e.gen = g.g1;
    return b.e;
}

double Evaluate(const Fd_Grid& g, const Node_Equation& e, const double* field, const double* old) {
    if (e.type == Node_Type::Fixed) {
        return e.fixed_value;
    }
    const bool implicit = g.Transient() && g.implicit;
    const double* nbf = (g.Transient() && !implicit) ? old : field;
    double sum = e.gen;
    for (int n = 0; n < e.nb_count; ++n) {
        const Neighbour& b = e.nb[static_cast<std::size_t>(n)];
        sum += b.w * nbf[g.At(b.i, b.j)];
    }
    for (int n = 0; n < e.st_count; ++n) {
        sum += e.st[static_cast<std::size_t>(n)].s;
    }
    if (!g.Transient()) {
        return sum / e.Diagonal();
    }
    const double m = g.f / e.cell;
    const double own = old[g.At(e.i, e.j)];
    if (implicit) {
        return (own + m * sum) / (1.0 + m * e.Diagonal());
    }
    return own + m * (sum - e.Diagonal() * own);
}

namespace {

std::string Value_Text(double v) {
    return v < 0 ? "(" + Equation_Number(v) + ")" : Equation_Number(v);
}

// "2·" for a coefficient of 2, nothing for 1.
std::string Coefficient(double c) {
    return c == 1.0 ? std::string() : Equation_Number(c) + "·";
}

std::string Node_Name(const Fd_Grid& g, int i, int j) {
    return g.Wall() ? "T(" + std::to_string(i) + ")"
                    : "T(" + std::to_string(i) + "," + std::to_string(j) + ")";
}

std::string Title(const Fd_Grid& g, const Node_Equation& e) {
    const std::string node =
        g.Wall() ? "Node " + std::to_string(e.i)
                 : "Node (" + std::to_string(e.i) + ", " + std::to_string(e.j) + ")";
    const char* part = g.Wall() ? "face" : "edge";
    auto side = [&](int s) {
        return std::string(Side_Word[s]) + " " + part + " (" +
               Kind_Words(g.sides[static_cast<std::size_t>(s)].kind) + ")";
    };
    switch (e.type) {
        case Node_Type::Fixed:
            if (e.h_side >= 0) {
                return node + ": corner held at the temperature of the " + side(e.side);
            }
            return node + ": on the " + side(e.side) + ", held at its temperature";
        case Node_Type::Interior:
            return node + ": interior node, whole-cell balance";
        case Node_Type::Edge:
            return node + ": on the " + side(e.side) + ", half-cell balance";
        case Node_Type::Face:
            return node + ": on the " + side(e.side) +
                   (g.Transient() ? ", half-cell balance"
                                  : ", balance of the face with one conduction step");
        case Node_Type::Corner:
            return node + ": corner between the " + side(e.h_side) + " and the " + side(e.v_side) +
                   ", quarter-cell balance";
    }
    return node;
}

}  // namespace

namespace {

// The sum of the solver's equation in symbols and in numbers, its steady
// divisor and the own-value terms of the transient forms.
struct Equation_Text {
    std::string sum_sym, sum_num, diag_sym, own_sym;

    void Term(const std::string& s, const std::string& n) {
        sum_sym += (sum_sym.empty() ? "" : " + ") + s;
        sum_num += (sum_num.empty() ? "" : " + ") + n;
    }
};

// The terms of equation `e` with its neighbours' values from `nbf`; what the
// symbols stand for is added to `where`.
Equation_Text Equation_Terms(const Fd_Grid& g, const Node_Equation& e, const double* nbf,
                             std::string& where) {
    Equation_Text t;
    const std::string fo = g.Wall() ? "F0" : "F";
    double nb_w = 0;
    for (int n = 0; n < e.nb_count; ++n) {
        const Neighbour& b = e.nb[static_cast<std::size_t>(n)];
        const std::string c = Coefficient(b.w * e.scale);
        t.Term(c + b.name, c + Value_Text(nbf[g.At(b.i, b.j)]));
        where += ", " + std::string(b.name) + " = " + Node_Name(g, b.i, b.j);
        nb_w += b.w;
    }
    if (g.Transient()) {
        where += g.implicit ? " (this level)" : " (level before)";
        t.own_sym = Equation_Number(nb_w / e.cell) + fo;
    }
    t.diag_sym = Equation_Number(e.scale * nb_w);
    for (int n = 0; n < e.st_count; ++n) {
        const Side_Term& st = e.st[static_cast<std::size_t>(n)];
        const Grid_Side& s = g.sides[static_cast<std::size_t>(st.side)];
        const std::string l = Side_Letter[st.side];
        const std::string c = Coefficient(st.share * e.scale);
        if (s.kind == BC_Flux) {
            t.Term(c + "q_" + l + "·dx/k", c + Value_Text(s.q * g.dx / g.k));
            where += ", q_" + l + "·dx/k = " + Equation_Number(s.q) + "·" + Equation_Number(g.dx) +
                     "/" + Equation_Number(g.k);
            continue;
        }
        t.Term(c + "Bi_" + l + "·T∞" + l, c + Value_Text(s.bi) + "·" + Value_Text(s.t_inf));
        where += ", Bi_" + l + " = h_" + l + "·dx/k = " + Equation_Number(s.bi) + ", T∞" + l +
                 " = " + Equation_Number(s.t_inf) + " C";
        t.diag_sym += " + " + c + "Bi_" + l;
        if (g.Transient()) {
            t.own_sym += " + " + Coefficient(st.share / e.cell) + "Bi_" + l + "·" + fo;
        }
    }
    if (e.cell > 0) {
        const bool whole = e.cell * e.scale == 1.0;
        t.Term(whole ? "G1" : "G2", Value_Text(e.gen * e.scale));
        where += whole ? ", G1 = g·dx²/k = " + Equation_Number(g.g1)
                       : ", G2 = g·dx²/(2k) = " + Equation_Number(g.g1 / 2.0);
    }
    return t;
}

void Steady_Form(const Fd_Grid& g, const Node_Equation& e, const Equation_Text& t,
                 Node_Explanation& x) {
    const double diag = e.scale * e.Diagonal();
    if (diag == 1.0) {
        x.symbols = "T = " + t.sum_sym;
        x.substituted = "T = " + t.sum_num;
    } else {
        x.symbols = "T = (" + t.sum_sym + ") / (" + t.diag_sym + ")";
        x.substituted = "T = (" + t.sum_num + ") / " + Equation_Number(diag);
    }
    x.substituted += " = " + Equation_Number(x.computed);
    if (g.Wall() && x.stored == 0 && x.computed < 0.01) {
        x.note = "The wall's results below 0.01 C are stored as 0.";
    }
}

void Transient_Form(const Fd_Grid& g, const Node_Equation& e, const Equation_Text& t,
                    double own_old, const std::string& self, Node_Explanation& x) {
    const std::string fo = g.Wall() ? "F0" : "F";
    const double mult = 1.0 / (e.cell * e.scale);
    const std::string m_sym = (mult == 1.0 ? std::string() : Equation_Number(mult)) + fo;
    const double m_val = g.f * mult;
    x.where += ", T = " + self + " (level before), " + fo + " = α·Δt/dx² = " + Equation_Number(g.f);
    if (g.implicit) {
        const double den = 1.0 + g.f / e.cell * e.Diagonal();
        x.symbols = "T' = (T + " + m_sym + "·(" + t.sum_sym + ")) / (1 + " + t.own_sym + ")";
        x.substituted = "T' = (" + Value_Text(own_old) + " + " + Equation_Number(m_val) + "·(" +
                        t.sum_num + ")) / " + Equation_Number(den);
    } else {
        const double own = 1.0 - g.f / e.cell * e.Diagonal();
        std::string minus = t.own_sym;
        for (std::size_t p = 0; (p = minus.find(" + ", p)) != std::string::npos;) {
            minus.replace(p, 3, " - ");
        }
        x.symbols = "T' = " + m_sym + "·(" + t.sum_sym + ") + (1 - " + minus + ")·T";
        x.substituted = "T' = " + Equation_Number(m_val) + "·(" + t.sum_num + ") + " +
                        Value_Text(own) + "·" + Value_Text(own_old);
    }
    x.substituted += " = " + Equation_Number(x.computed);
}

}  // namespace

Node_Explanation Explain_Node(const Fd_Grid& g, int i, int j, const double* field,
                              const double* old, const std::string& level_text) {
    const Node_Equation e = Equation_At(g, i, j);
    Node_Explanation x;
    x.title = Title(g, e);
    x.stored = field[g.At(i, j)];
    const std::string self = Node_Name(g, i, j);
    const bool transient = g.Transient();
    const std::string lhs = transient ? "T'" : "T";
    if (transient && old == nullptr) {
        x.symbols = "No equation makes the initial level.";
        x.where = lhs + " = " + self + " " + level_text;
        x.substituted = lhs + " = " + Equation_Number(x.stored);
        x.computed = x.stored;
        x.note = "The run starts from the uniform initial temperature" +
                 std::string(g.Wall() ? ", the constant-temperature faces at their temperature."
                                      : " at every node, the sides included.");
        return x;
    }
    x.where = lhs + " = " + self + (transient ? " " + level_text : "");
    if (e.type == Node_Type::Fixed) {
        const std::string sym = std::string("T_") + Side_Letter[e.side];
        x.symbols = lhs + " = " + sym;
        x.where += ", " + sym + " = " + Equation_Number(e.fixed_value) + " C";
        x.substituted = lhs + " = " + Equation_Number(e.fixed_value);
        x.computed = e.fixed_value;
        x.residual = x.stored - x.computed;
        return x;
    }
    const double* nbf = (transient && !g.implicit) ? old : field;
    const Equation_Text t = Equation_Terms(g, e, nbf, x.where);
    x.computed = Evaluate(g, e, field, old);
    x.residual = x.stored - x.computed;
    if (transient) {
        Transient_Form(g, e, t, old[g.At(i, j)], self, x);
    } else {
        Steady_Form(g, e, t, x);
    }
    return x;
}

}  // namespace calorix
