// The chart document: both input pages of a reading as one JSON object,
// {"birth": {…}, "day": {…}}, with the chart input's field names.
#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

#include "input/page_input.h"

namespace zkc {

struct Pages {
    PageFields Birth;
    PageFields Day;
};

// Why a document was refused, naming the field ("birth.Year: …").
struct DocumentError {
    QString Message;
};

// Numbers are JSON numbers, flags booleans, texts strings; a missing text is
// empty, a missing or mistyped number or flag is refused naming the field.
// Dates and clock times must be ones the page lists offer.
std::variant<Pages, DocumentError> PagesFromJson(const QByteArray& document);

}  // namespace zkc
