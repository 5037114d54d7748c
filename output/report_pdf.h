#pragma once
// The report as a PDF document: the inputs and the sides' conditions, the
// results table cut into pages, the picture with its colour bar (or the
// chart of a wall), and the further result pages of the window as text.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "output/picture_figure.h"
#include "output/report_document.h"

class QChartView;

namespace calorix {

class Text_Table;

struct Pdf_Report_Parts {
    Report_Document Document;
    const Text_Table* Table = nullptr;
    const Figure_Parts* Figure = nullptr;  // the plate's picture, or
    QChartView* Chart = nullptr;           // the wall's chart
    // Each further page (heat balance, convergence): its title and its
    // blocks of text, rich (HTML) or plain, in order.
    std::vector<std::pair<QString, QStringList>> Sections;
    bool Letter = false;  // US Letter instead of A4
};

QByteArray Pdf_Report(const Pdf_Report_Parts& parts);

}  // namespace calorix
