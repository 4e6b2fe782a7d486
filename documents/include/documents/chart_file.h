// Chart files on disk: read whole and checked, written atomically.
#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "documents/chart_document.h"

namespace zkc {

struct ChartFileError {
    enum class Kind {
        Unreadable,  // missing, no permission, a folder, too large
        Refused,     // read, but not a chart this program takes
    };
    Kind What = Kind::Unreadable;
    QString Message;  // names the file and the reason
};

// The pages of a chart file, refused as a whole when one fails the checks
// the window's pages make.
std::variant<Pages, ChartFileError> ReadChartFile(const QString& path);

// Writes through a temporary file that replaces the old one only once it is
// complete: a full disk, a crash or a read-only folder leave the old file as
// it was. Returns the reason, naming the file, when the file was not written.
std::optional<QString> WriteChartFile(const QString& path, const Pages& pages);

// The same for any bytes (exported pictures and documents). A target that is
// no regular file (a device, a named pipe) is written in place instead.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace zkc
