// Reading the chart document: from a file or standard input, never more than
// a limit, so that /dev/zero or an endless pipe is refused at once without
// the program's memory growing.
#pragma once

#include <QByteArray>
#include <QString>

namespace zkc::cli {

// The most a chart document may hold. A real one is under a kilobyte.
inline constexpr qsizetype kInputLimit = 1 << 20;

struct InputRead {
    enum class Outcome { Read, TooLarge, Unreadable };
    Outcome Result = Outcome::Read;
    QByteArray Bytes;  // when Read
    QString Reason;    // when Unreadable: why, as the system says it
};

// Reads a descriptor up to its end, or until more than `limit` bytes came.
InputRead ReadAtMost(int fd, qsizetype limit = kInputLimit);

// Opens a file and reads it as ReadAtMost does; a directory is unreadable.
InputRead ReadFileAtMost(const QString& path, qsizetype limit = kInputLimit);

}  // namespace zkc::cli
