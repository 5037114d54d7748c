#include "analysis/field_views.h"

#include <memory>

#include "analysis/node_equation.h"
#include "common/text_table_sources.h"
#include "solvers/presentation.h"

namespace calorix {

namespace {

// Cells of small differences: six significant digits on screen, the full
// double behind each cell for the CSV export.
class Difference_Block : public Cell_Source {
  public:
    Difference_Block(std::vector<double> values, int rows, int cols, int ny, bool wall)
        : values_(std::move(values)), rows_(rows), cols_(cols), ny_(ny), wall_(wall) {}
    int Rows() const override { return rows_; }
    int Cols() const override { return cols_; }
    std::string Text(int row, int col) const override { return Equation_Number(At(row, col)); }
    bool Value(int row, int col, double& value) const override {
        value = At(row, col);
        return true;
    }
    void Widest_Texts(int, std::vector<std::string>& texts) const override {
        texts.push_back("-8.88888e-308");
    }

  private:
    // Row r, column c of the block is node (c + 1, r + 1) of the plate, node
    // c + 1 of the wall.
    double At(int row, int col) const {
        const std::size_t j = wall_ ? 0 : static_cast<std::size_t>(row);
        return values_[static_cast<std::size_t>(col) * static_cast<std::size_t>(ny_) + j];
    }
    std::vector<double> values_;
    int rows_, cols_, ny_;
    bool wall_;
};

}  // namespace

Field_View_Texts View_Texts(int kind, int view) {
    const bool wall = kind == Kind_Steady_1D;
    const std::string of =
        wall ? " as a function of x (Meters)" : " as a function of x (Meters) and y (Meters)";
    if (view == Exact_Field) {
        return {"Exact solution of the node equations: T (Degrees Celsius)" + of,
                wall ? "T exact(x)" : "T exact(x,y)",
                "Exact solution of the node equations (C) Vs x Location (m)"};
    }
    return {std::string("Gauss-Seidel result") + (wall ? " (unclamped)" : "") +
                " - exact solution of the node equations (Degrees Celsius)" + of,
            "GS - exact (C)", "Gauss-Seidel - exact (C) Vs x Location (m)"};
}

void Present_Field_View(const Problem_Definition& p, const Result_Stores& s, int kind, int view,
                        const std::vector<double>& exact, Steady_1D_Store& v1, Steady_2D_Store& v2,
                        Output_Model& out) {
    const Fd_Grid g = Run_Grid(p, s, kind);
    const double* gs = Instrument_Field(s, kind);
    std::vector<double> values(g.Node_Count());
    for (std::size_t n = 0; n < values.size(); ++n) {
        values[n] = view == Exact_Field ? exact[n] : gs[n] - exact[n];
    }
    out = Output_Model();
    out.Kind = kind;
    const Field_View_Texts texts = View_Texts(kind, view);
    double* target = nullptr;
    Node_Line* locations = nullptr;
    if (kind == Kind_Steady_1D) {
        v1 = s.Steady_1D;
        target = v1.Temperature_1D.Data();
        locations = &v1.X_Location_1D;
    } else {
        v2 = s.Steady_2D;
        target = v2.Temperature_2D.Data();
        locations = &v2.Location_2D;
    }
    std::copy(values.begin(), values.end(), target);
    for (int m = 1; m <= locations->Count(); ++m) {
        (*locations)(m) = (m - 1) * p.Grid_Size / 100.0;
    }
    if (kind == Kind_Steady_1D) {
        Display_Steady_State_1D_Results(v1, out);
        out.Output_Table.Set_Cell(1, 0, texts.heading);
        out.Chart.Title = texts.chart;
    } else {
        Display_Steady_State_2D_Results(v2, out);
        out.Output_Table.Set_Cell(0, 0, texts.heading);
    }
    out.Table_Title_Label = texts.title;
    if (view == Difference_Field) {
        // The differences lie far below the table's two decimals.
        const bool wall = g.Wall();
        out.Output_Table.Set_Block(1, 1,
                                   std::make_shared<Difference_Block>(
                                       std::move(values), wall ? 1 : g.ny, g.nx, g.ny, wall));
    }
}

}  // namespace calorix
