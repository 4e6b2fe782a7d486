// Reading the chart document: from a file or standard input, never more than
// a limit, so that /dev/zero or an endless pipe is refused at once without
// the program's memory growing.
#pragma once

#include <QByteArray>
#include <QString>

#include "documents/chart_document.h"

namespace zkc::cli {

struct InputRead {
    enum class Outcome { Read, TooLarge, Unreadable };
    Outcome Result = Outcome::Read;
    QByteArray Bytes;  // when Read
    QString Reason;    // when Unreadable: why, as the system says it
};

// Reads a descriptor up to its end, or until more than `limit` bytes came.
InputRead ReadAtMost(int fd, qsizetype limit = kLargestChartDocumentBytes);

// Opens a file and reads it as ReadAtMost does; a directory is unreadable.
InputRead ReadFileAtMost(const QString& path, qsizetype limit = kLargestChartDocumentBytes);

}  // namespace zkc::cli
