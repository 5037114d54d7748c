#include "output/report_pdf.h"

#include <QBuffer>
#include <QChartView>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>

#include "common/text_table.h"

namespace calorix {

namespace {

// One pixel is 1/96 inch on the page, as on a screen.
constexpr int Dots_Per_Inch = 96;
constexpr int Cell_Width = 64;
constexpr int Header_Width = 70;

// Writes lines down the page and starts a new page when one is full.
class Page_Writer {
  public:
    Page_Writer(QPdfWriter& writer, QPainter& p) : writer_(writer), p_(p) {
        const QRect r = p.viewport();
        width_ = r.width();
        height_ = r.height();
    }
    int Width() const { return width_; }
    int Room() const { return height_ - y_; }
    int Y() const { return y_; }
    void Skip(int dy) { y_ += dy; }
    void New_Page() {
        writer_.newPage();
        y_ = 0;
    }
    void Need(int dy) {
        if (y_ + dy > height_ && y_ > 0) {
            New_Page();
        }
    }
    void Heading(const QString& text, double size) {
        QFont f;
        f.setPointSizeF(size);
        f.setBold(true);
        p_.setFont(f);
        const int h = QFontMetrics(f, &writer_).height();
        Need(h * 2);
        p_.drawText(QRect(0, y_, width_, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += h + h / 3;
        p_.setFont(Body());
    }
    void Line(const QString& text, int indent = 0) {
        p_.setFont(Body());
        const int h = QFontMetrics(Body(), &writer_).height();
        Need(h);
        p_.drawText(QRect(indent, y_, width_ - indent, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += h;
    }
    // A block of text as the window shows it (tables of rich text stay
    // tables), cut only where a page is full.
    void Block(const QString& text, int indent) {
        QTextDocument doc;
        doc.setDefaultFont(Body());
        doc.setDocumentMargin(0);
        if (Qt::mightBeRichText(text)) {
            doc.setHtml(text);
        } else {
            doc.setPlainText(text);
        }
        doc.setTextWidth(width_ - indent);
        const int h = static_cast<int>(doc.size().height()) + 4;
        Need(std::min(h, height_));
        p_.save();
        p_.translate(indent, y_);
        doc.drawContents(&p_);
        p_.restore();
        y_ += h;
    }
    static QFont Body() {
        QFont f;
        f.setPointSizeF(9);
        return f;
    }

  private:
    QPdfWriter& writer_;
    QPainter& p_;
    int width_ = 0, height_ = 0, y_ = 0;
};

void Write_Inputs(Page_Writer& w, const Report_Document& d) {
    w.Heading(QString::fromStdString(d.Title), 14);
    w.Heading(QStringLiteral("Inputs"), 11);
    for (const auto& [label, value] : d.Inputs) {
        w.Line(QString::fromStdString(label + " = " + value), 12);
    }
    w.Skip(8);
    w.Heading(QStringLiteral("Boundary Conditions"), 11);
    for (const std::string& side : d.Sides) {
        w.Line(QString::fromStdString(side), 12);
    }
    w.Skip(8);
}

void Write_Table(Page_Writer& w, QPainter& p, QPdfWriter& writer, const Report_Document& d,
                 const Text_Table& t) {
    const QFont body = Page_Writer::Body();
    const int h = QFontMetrics(body, &writer).height() + 4;
    const int cols_per_page = std::max(1, (w.Width() - Header_Width) / Cell_Width);
    w.Heading(QString::fromStdString(d.Table_Title), 11);
    // The first band starts under the inputs; the later ones on fresh pages.
    const int first_rows = std::max(1, w.Room() / h - 2);
    const int full_rows = std::max(1, (w.Room() + w.Y()) / h - 2);
    const std::vector<Table_Page> pages =
        Table_Pages(t.Rows(), t.Cols(), first_rows, full_rows, cols_per_page);
    bool first = true;
    for (const Table_Page& page : pages) {
        if (!first) {
            w.New_Page();
        }
        first = false;
        p.setFont(body);
        auto cell = [&](int row, int col, int x, bool header) {
            const QRect box(x, w.Y(), col == 0 ? Header_Width : Cell_Width, h);
            p.fillRect(box, header ? QColor(221, 228, 238) : QColor(Qt::white));
            p.setPen(QColor(160, 160, 160));
            p.drawRect(box);
            p.setPen(Qt::black);
            p.drawText(box, Qt::AlignCenter, QString::fromStdString(t.Cell(row, col)));
        };
        auto row_of = [&](int row) {
            cell(row, 0, 0, true);
            for (int col = page.First_Col; col <= page.Last_Col; ++col) {
                cell(row, col, Header_Width + (col - page.First_Col) * Cell_Width, row == 0);
            }
            w.Skip(h);
        };
        row_of(0);
        for (int row = page.First_Row; row <= page.Last_Row; ++row) {
            row_of(row);
        }
    }
    w.Skip(8);
}

void Write_Picture(Page_Writer& w, QPainter& p, const Pdf_Report_Parts& parts) {
    w.New_Page();
    w.Heading(QStringLiteral("Graphical Output"), 11);
    if (parts.Figure != nullptr) {
        const QSize size = Layout_Figure(*parts.Figure).Size;
        const double s = std::min({1.0, static_cast<double>(w.Width()) / size.width(),
                                   static_cast<double>(w.Room()) / size.height()});
        p.save();
        p.translate(0, w.Y());
        p.scale(s, s);
        Paint_Figure(p, *parts.Figure);
        p.restore();
        w.Skip(static_cast<int>(size.height() * s) + 8);
    } else if (parts.Chart != nullptr) {
        const int height = std::min(w.Room(), w.Width() * 3 / 4);
        parts.Chart->render(&p, QRectF(0, w.Y(), w.Width(), height));
        w.Skip(height + 8);
    }
}

}  // namespace

QByteArray Pdf_Report(const Pdf_Report_Parts& parts) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("CALORIX"));
        writer.setTitle(QString::fromStdString(parts.Document.Title));
        writer.setResolution(Dots_Per_Inch);
        writer.setPageLayout(
            QPageLayout(QPageSize(parts.Letter ? QPageSize::Letter : QPageSize::A4),
                        QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter p(&writer);
        Page_Writer w(writer, p);
        Write_Inputs(w, parts.Document);
        if (parts.Table != nullptr && parts.Table->Rows() > 1 && parts.Table->Cols() > 1) {
            Write_Table(w, p, writer, parts.Document, *parts.Table);
        }
        if (parts.Figure != nullptr || parts.Chart != nullptr) {
            Write_Picture(w, p, parts);
        }
        for (const auto& [title, blocks] : parts.Sections) {
            w.Skip(8);
            w.Heading(title, 11);
            for (const QString& block : blocks) {
                w.Block(block, 12);
            }
        }
        p.end();
    }
    return bytes;
}

}  // namespace calorix
