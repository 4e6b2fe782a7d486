// One page's keys, wherever they are read from: a JSON object of a chart
// document, or a row of a table of charts. The page is made from them by one
// reader, with one set of refusals, whatever the source.
#pragma once

#include <QString>
#include <string_view>
#include <variant>

#include "documents/chart_document.h"

namespace zkc {

class PageSource {
  public:
    virtual ~PageSource() = default;

    enum class Kind { Missing, Number, Flag, Text, Other };
    struct Value {
        Kind kind = Kind::Missing;
        double number = 0;
        bool flag = false;
        QString text;
    };

    virtual bool Has(std::string_view key) const = 0;
    // The key's value. `wanted` is the kind the reader expects: a source of
    // typed values (JSON) gives what it holds and leaves the refusal to the
    // reader; a source of bare texts (a CSV cell) reads the text as that kind
    // where it can.
    virtual Value Get(std::string_view key, Kind wanted) const = 0;
};

// The page of the given name ("birth" or "day") from its keys, refused with
// the first fault in the document's key order, named as "birth.Year: …".
std::variant<PageFields, DocumentError> PageFromSource(const PageSource& source,
                                                       const char* pageName, bool hasName);

}  // namespace zkc
