// The chart document: both input pages of a reading as one JSON object,
// {"birth": {…}, "day": {…}}, with the chart input's field names. Saved as a
// chart file it also names its format and version:
// {"format": "kotachakra-chart", "version": 1, "birth": {…}, "day": {…}}.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <variant>

#include "input/page_input.h"

namespace zkc {

inline constexpr char kChartFormat[] = "kotachakra-chart";
inline constexpr int kChartVersion = 1;
inline constexpr char kChartFileSuffix[] = "kota";
inline constexpr char kChartMimeType[] = "application/x-kotachakra-chart";

// No chart document is near this size (a real one is under a kilobyte):
// anything larger is refused unread, whether a file or a stream.
inline constexpr qsizetype kLargestChartDocumentBytes = 1 << 20;

struct Pages {
    PageFields Birth;
    PageFields Day;
};

// Why a document was refused. A fault of a page names the field
// ("birth.Year: …"); a fault of the whole document ("not a JSON document")
// is named by its reader after where the document came from.
struct DocumentError {
    QString Message;
    bool OfTheWholeDocument = false;

    // The message with `source` ("input", a file's name) before a fault of
    // the whole document.
    QString NamedAfter(const QString& source) const {
        return OfTheWholeDocument ? QString("%1: %2").arg(source, Message) : Message;
    }
};

// Numbers are JSON numbers, flags booleans, texts strings; a missing text is
// empty, a missing or mistyped number or flag is refused naming the field.
// Dates and clock times must be ones the page lists offer. A "format" other
// than a chart's, or a "version" newer than this program's, is refused.
std::variant<Pages, DocumentError> PagesFromJson(const QByteArray& document);
// The same for a document already parsed.
std::variant<Pages, DocumentError> PagesFromJsonObject(const QJsonObject& root);

// The chart document of two pages, as a chart file writes it: format,
// version, and exactly the keys PagesFromJson reads. A page bound to a
// town's zone carries the zone and the town beside the fields, which show
// the same offset. Zone, degree and minute texts are written as the numbers
// they hold (a blank zone field as 0); pages should have passed their
// checks.
QJsonObject ChartDocumentObject(const Pages& pages);
QByteArray ChartDocument(const Pages& pages);

}  // namespace zkc
