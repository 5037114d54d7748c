// What the results window offers beyond its two result tabs: the hint over
// the table and the report as a PDF document.
#include <QHBoxLayout>
#include <QLabel>

#include "output/output_form.h"

namespace calorix {

QLayout* Output_Form::Build_Hint_Row(QWidget* tab) {
    auto* row = new QHBoxLayout();
    table_hint_ = new QLabel(QStringLiteral("Click a cell to see its node equation"), tab);
    QFont f = table_hint_->font();
    f.setItalic(true);
    table_hint_->setFont(f);
    table_hint_->setStyleSheet(QStringLiteral("color: #445;"));
    row->addWidget(table_hint_, 1);
    return row;
}

}  // namespace calorix
