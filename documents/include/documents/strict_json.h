// What the JSON standard forbids inside strings and Qt's parser lets pass:
// raw control characters and escapes other than \" \\ \/ \b \f \n \r \t and
// \u with four hex digits.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zkc {

// The first such fault of a document, as "what at offset N"; none for a
// document whose strings are well formed. Only strings are looked at: the
// rest of the document is left to the parser.
std::optional<QString> FindStringFault(const QByteArray& document);

}  // namespace zkc
