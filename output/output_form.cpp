#include "output/output_form.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace calorix {

Output_Form::Output_Form(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CALORIX OUTPUT"));
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(this);
    layout->addWidget(table_);
    resize(800, 500);
}

void Output_Form::Show_Results(Output_Model& model, Result_Stores&, Problem_Definition&) {
    const Text_Table& t = model.Output_Table;
    table_->clear();
    table_->setRowCount(t.Rows());
    table_->setColumnCount(t.Cols());
    for (int r = 0; r < t.Rows(); ++r) {
        for (int c = 0; c < t.Cols(); ++c) {
            table_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(t.Cell(r, c))));
        }
    }
    exec();
}

}  // namespace calorix
