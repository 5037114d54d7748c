// The PDF report read back as text: the inputs, the sides, every value of the
// results table and the heat balance are in it, on A4 and on Letter pages.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "gui_test_support.h"
#include "output/output_form.h"

using namespace calorix;

namespace {

// The text of a PDF file as pdftotext (poppler-utils) reads it, and its page
// size in points from pdfinfo.
QString Pdf_Text(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        QTest::qFail("pdftotext (poppler-utils) is missing", __FILE__, __LINE__);
        return QString();
    }
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Pdf_Page_Size(const QString& path) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {path});
    p.waitForFinished(20000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype at = info.indexOf(QStringLiteral("Page size:"));
    return at < 0 ? QString() : info.mid(at).section(QLatin1Char('\n'), 0, 0).simplified();
}

}  // namespace

class Report_Pdf_Test : public QObject {
    Q_OBJECT

  private slots:
    // The 2-D steady problem the window opens with: 5 x 5 nodes of 25 cm,
    // three sides at 226.8 C.
    void report_holds_inputs_sides_table_and_balance() {
        D12_Input_Form form;
        form.show();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString a4 = dir.filePath(QStringLiteral("plate.pdf"));
        const QString letter = dir.filePath(QStringLiteral("letter.pdf"));
        QStringList table;
        const int shown = gui_test::Run_Through_Form(form, 1, [&](Output_Form* w) {
            QVERIFY(w->Save_Report_Pdf(a4, false));
            QVERIFY(w->Save_Report_Pdf(letter, true));
            for (int row = 0; row <= 5; ++row) {
                table += gui_test::Row(w, row).join(QLatin1Char(' '));
            }
        });
        QCOMPARE(shown, 1);
        const QString text = Pdf_Text(a4);
        for (const char* expected :
             {"2-D Steady State Problem", "Grid Size = 25 cm", "Nodes in x = 5", "Nodes in y = 5",
              "Thermal Conductivity = 1 W/m.K", "Guessed Temperature = 250 C", "Left: T = 226.8 C",
              "Top: T = 226.8 C", "Heat Balance and Accuracy", "x (m)"}) {
            QVERIFY2(text.contains(QString::fromLatin1(expected)), expected);
        }
        // Every row of the table, heading first, as a line of the page.
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            lines << line.simplified();
        }
        QCOMPARE(table.size(), 6);
        for (const QString& row : table) {
            QVERIFY2(lines.contains(row), qPrintable(row));
        }
        QCOMPARE(Pdf_Page_Size(a4), QStringLiteral("Page size: 595 x 842 pts (A4)"));
        QCOMPARE(Pdf_Page_Size(letter), QStringLiteral("Page size: 612 x 792 pts (letter)"));
    }
};

QTEST_MAIN(Report_Pdf_Test)
#include "report_pdf_test.moc"
