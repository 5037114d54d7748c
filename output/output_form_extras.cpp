// What the results window offers beyond its two result tabs: the hint over
// the table and the report as a PDF document.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "output/output_form.h"
#include "output/report_pdf.h"
#include "output/shaded_plot_panel.h"
#include "output/temperature_chart.h"

namespace calorix {

namespace {

// The words of a result page as it shows them: its group titles and the
// texts of its labels, in order.
QStringList Page_Blocks(QWidget* page) {
    QStringList blocks;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page)) {
            continue;
        }
        if (auto* box = qobject_cast<QGroupBox*>(w)) {
            blocks << QStringLiteral("<b>") + box->title().toHtmlEscaped() + QStringLiteral("</b>");
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().isEmpty()) {
                blocks << label->text();
            }
        }
    }
    return blocks;
}

}  // namespace

QLayout* Output_Form::Build_Hint_Row(QWidget* tab) {
    auto* row = new QHBoxLayout();
    table_hint_ = new QLabel(QStringLiteral("Click a cell to see its node equation"), tab);
    QFont f = table_hint_->font();
    f.setItalic(true);
    table_hint_->setFont(f);
    table_hint_->setStyleSheet(QStringLiteral("color: #445;"));
    row->addWidget(table_hint_, 1);
    page_size_box_ = new QComboBox(tab);
    page_size_box_->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    page_size_box_->setToolTip(QStringLiteral("Page size of the PDF report"));
    row->addWidget(page_size_box_);
    pdf_command_ = new QPushButton(QStringLiteral("Save Report as PDF\u2026"), tab);
    pdf_command_->setAutoDefault(false);
    pdf_command_->setToolTip(QStringLiteral(
        "Inputs, results table, picture or chart and heat balance as a PDF document"));
    row->addWidget(pdf_command_);
    connect(pdf_command_, &QPushButton::clicked, this, &Output_Form::Pdf_Command_Click);
    return row;
}

bool Output_Form::Save_Report_Pdf(const QString& path, bool letter) {
    if (model_ == nullptr || problem_ == nullptr) {
        return false;
    }
    Pdf_Report_Parts parts;
    parts.Document = Build_Report_Document(*problem_, *model_);
    parts.Table = &model_->Output_Table;
    parts.Letter = letter;
    Figure_Parts figure;
    const int kind = model_->Kind;
    if (kind == Kind_Steady_2D || kind == Kind_Transient_2D) {
        // The picture is drawn when its tab is first chosen: draw it now if
        // it has not been.
        if (shaded_panel_->Kind() != kind) {
            emit Shaded_Picture_Requested(kind);
        }
        figure = shaded_panel_->Figure_Now();
        parts.Figure = &figure;
    } else {
        parts.Chart = chart_;
    }
    for (int k = 2; k < output_tab_->count(); ++k) {
        const QStringList blocks = Page_Blocks(output_tab_->widget(k));
        if (!blocks.isEmpty()) {
            parts.Sections.emplace_back(output_tab_->tabText(k), blocks);
        }
    }
    return Write_File_Bytes(path, Pdf_Report(parts));
}

void Output_Form::Pdf_Command_Click() {
    const QString path = Ask_File_Name(
        this, Save_File_Request(QStringLiteral("pdf"), {QStringLiteral("PDF Document (*.pdf)")}));
    if (path.isEmpty()) {
        return;
    }
    if (!Save_Report_Pdf(path, page_size_box_->currentIndex() == 1)) {
        Show_Calorix_Message(this,
                             QStringLiteral("CALORIX could not write the report file ") + path);
    }
}

}  // namespace calorix
