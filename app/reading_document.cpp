#include "app/reading_document.h"

#include <pwd.h>
#include <unistd.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QWidget>
#include <memory>

#include "app/app_style.h"
#include "app/chakra_diagram.h"
#include "documents/core_text.h"
#include "engine/month_names.h"
#include "kota/kota_chakra.h"
#include "version/version.h"

namespace zkc::app {
namespace {

constexpr int kDiagramObject = QTextFormat::UserObject + 1;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kMarginMillimetres = 18;
constexpr double kDiagramMillimetres = 105;
constexpr double kReportPoints = 10;

// Draws the chakra diagram where the document holds its object character.
class DiagramObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    DiagramObject(const QFont& font, double sidePixels) : font_(font), side_(sidePixels) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override {
        return {side_, side_};
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat&) override {
        PaintChakraDiagram(*painter, rect, font_);
    }

  private:
    QFont font_;
    double side_;
};

// Writes the report's runs at a cursor of a document: paper is white, so
// the runs keep the colours the report gives them.
class DocumentReportSink : public ReportSink {
  public:
    explicit DocumentReportSink(QTextCursor cursor) : cursor_(std::move(cursor)) {}
    void Clear() override {}
    void AppendRun(std::string_view text, ReportColour colour, bool bold) override {
        QString piece = FromCore(text);
        piece.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QTextCharFormat format;
        format.setForeground(QColor(colour.Red, colour.Green, colour.Blue));
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        cursor_.insertText(piece, format);
    }

  private:
    QTextCursor cursor_;
};

QPageSize PaperOfTheLocale() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

// The whole printout as one document: laid out once, paginated by Qt.
struct Printout {
    std::unique_ptr<QTextDocument> document;
    std::unique_ptr<DiagramObject> diagram;
};

// Laid out for the device itself, in its pixels, so that fonts are measured
// at its resolution and lines never straddle a page.
Printout BuildPrintout(const ChartCalculation& charts, QPagedPaintDevice& device) {
    QFont font = ApplicationFont();
    font.setPointSizeF(kReportPoints);
    // No ligatures: "fi" stays two letters, so that the PDF's text is found
    // and copied as it reads.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const double pixelsPerMillimetre = device.logicalDpiY() / kMillimetresPerInch;
    Printout p{std::make_unique<QTextDocument>(),
               std::make_unique<DiagramObject>(font, kDiagramMillimetres * pixelsPerMillimetre)};
    QTextDocument& doc = *p.document;
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDefaultFont(font);
    doc.setMetaInformation(QTextDocument::DocumentTitle, ReadingTitle(charts));
    doc.documentLayout()->registerHandler(kDiagramObject, p.diagram.get());

    QTextCursor cursor(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat title;
    title.setFontPointSize(16);
    title.setFontWeight(QFont::Bold);
    title.setForeground(QColor(0x00, 0x40, 0x00));
    cursor.insertText(ReadingTitle(charts), title);

    QTextBlockFormat spaced = centred;
    spaced.setTopMargin(12);
    spaced.setBottomMargin(12);
    cursor.insertBlock(spaced);
    QTextCharFormat diagram;
    diagram.setObjectType(kDiagramObject);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), diagram);

    cursor.insertBlock(QTextBlockFormat());
    DocumentReportSink sink(cursor);
    zkc::Kota_Chakra(charts.BirthChart(), charts.OracleChart(), sink);
    return p;
}

}  // namespace

QString ReadingTitle(const ChartCalculation& charts) {
    const ChartInput& birth = charts.BirthChart().Input;
    const ChartInput& day = charts.OracleChart().Input;
    return QString("Kota Chakra of %1, %2")
        .arg(FromCore(birth.Name), FromCore(DateText(day.Year, day.Month, day.Day)));
}

void PrintReading(const ChartCalculation& charts, QPagedPaintDevice& device) {
    device.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    Printout printout = BuildPrintout(charts, device);
    QTextDocument& doc = *printout.document;
    const QRect body = device.pageLayout().paintRectPixels(device.logicalDpiX());
    doc.setPageSize(body.size());

    QPainter painter(&device);
    QFont pageNumberFont = doc.defaultFont();
    pageNumberFont.setPointSizeF(kReportPoints * 0.8);
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            device.newPage();
        }
        painter.save();
        painter.translate(0, -page * body.height());
        doc.drawContents(&painter, QRectF(0, page * body.height(), body.width(), body.height()));
        painter.restore();
        painter.setFont(pageNumberFont);
        painter.setPen(Qt::black);
        const double margin = kMarginMillimetres * device.logicalDpiY() / kMillimetresPerInch;
        painter.drawText(QRectF(0, body.height(), body.width(), margin),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         QString("%1 / %2").arg(page + 1).arg(pages));
    }
}

QByteArray ReadingPdf(const ChartCalculation& charts, const QString& author) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(PaperOfTheLocale());
        writer.setTitle(ReadingTitle(charts));
        writer.setCreator(QString::fromUtf8(kProductTitle));
        PrintReading(charts, writer);
    }
    return WithPdfAuthor(buffer.data(), author);
}

QString DocumentAuthor() {
    if (const passwd* account = getpwuid(getuid())) {
        const QString gecos = QString::fromLocal8Bit(account->pw_gecos).section(u',', 0, 0);
        if (!gecos.trimmed().isEmpty()) {
            return gecos.trimmed();
        }
        return QString::fromLocal8Bit(account->pw_name);
    }
    return QString::fromLocal8Bit(qgetenv("USER"));
}

QByteArray ResultPagePng(QWidget& resultPage) {
    constexpr int kScale = 2;
    QImage picture(resultPage.size() * kScale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(kScale);
    picture.fill(Qt::white);
    resultPage.render(&picture);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return buffer.data();
}

QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author) {
    // The information dictionary is the first object of the documents Qt
    // writes; the entry goes in after its /Creator line.
    const qsizetype creator = pdf.indexOf("\n/Creator ");
    const qsizetype lineEnd = creator < 0 ? -1 : pdf.indexOf('\n', creator + 1);
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype startXref = pdf.lastIndexOf("\nstartxref\n");
    if (author.isEmpty() || lineEnd < 0 || xref < lineEnd || startXref < xref) {
        return pdf;
    }
    // A hexadecimal UTF-16 string needs no escaping whatever the name holds.
    QByteArray utf16 = "\xFE\xFF";
    for (const QChar c : author) {
        utf16 += static_cast<char>(c.unicode() >> 8);
        utf16 += static_cast<char>(c.unicode() & 0xFF);
    }
    const QByteArray entry = "/Author <" + utf16.toHex().toUpper() + ">\n";
    const qsizetype insertAt = lineEnd + 1;
    const qsizetype shift = entry.size();

    QByteArray out = pdf.left(insertAt) + entry + pdf.mid(insertAt, xref + 1 - insertAt);
    // Every object that starts after the insertion moves by the entry's length.
    QList<QByteArray> lines = pdf.mid(xref + 1, startXref + 1 - (xref + 1)).split('\n');
    static const QRegularExpression offsetEntry("^(\\d{10}) (\\d{5}) n ?$");
    for (QByteArray& line : lines) {
        const QRegularExpressionMatch m = offsetEntry.match(QString::fromLatin1(line));
        if (m.hasMatch()) {
            const qint64 offset = m.captured(1).toLongLong();
            if (offset >= insertAt) {
                line = QByteArray::number(offset + shift).rightJustified(10, '0') + " " +
                       m.captured(2).toLatin1() + " n ";
            }
        }
    }
    out += lines.join('\n');
    // startxref: the keyword, then the table's offset on the next line.
    const qsizetype offsetLine = startXref + 1 + QByteArray("startxref\n").size();
    const qsizetype offsetEnd = pdf.indexOf('\n', offsetLine);
    const qint64 tableOffset = pdf.mid(offsetLine, offsetEnd - offsetLine).trimmed().toLongLong();
    out += "startxref\n" + QByteArray::number(tableOffset + shift) + "\n" + pdf.mid(offsetEnd + 1);
    return out;
}

}  // namespace zkc::app

#include "reading_document.moc"
