// A reading on paper: a title, the chakra diagram and the whole coloured
// report, laid out on A4 or Letter pages, for the printer and for PDF export.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "driver/chart_calculation.h"

class QPagedPaintDevice;
class QWidget;

namespace zkc::app {

// The document's title: "Kota Chakra of Asha Rao, 15 July 2026".
QString ReadingTitle(const ChartCalculation& charts);

// Lays the reading of the last calculation out on the device's pages. Lines
// are never split between pages; the diagram moves whole to the next page
// when it does not fit.
void PrintReading(const ChartCalculation& charts, QPagedPaintDevice& device);

// The reading as a PDF document with vector, searchable text, A4 or Letter
// as the locale measures, and its title and author in the document's
// information.
QByteArray ReadingPdf(const ChartCalculation& charts, const QString& author);

// The person at the computer, for a document's author: the full name of the
// account where the system has one, else the login name.
QString DocumentAuthor();

// The result page drawn at twice its size, as a PNG picture.
QByteArray ResultPagePng(QWidget& resultPage);

// Adds an author to a PDF document's information dictionary, keeping every
// cross reference right; the document as it was when it has no such
// dictionary in the expected form.
QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author);

}  // namespace zkc::app
