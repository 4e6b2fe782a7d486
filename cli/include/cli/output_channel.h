// Where the command line's output goes, and how a failed write ends it: the
// first write that fails throws OutputFailure, which the command line turns
// into status 74 and one message, so that nothing is computed for a reader
// that is gone.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <string_view>

namespace zkc::cli {

struct OutputFailure {
    int Error;  // errno of the failed write
};

// Writes all bytes and hands them on at once (no buffering behind the
// caller's back); throws OutputFailure when they cannot be written.
void WriteOut(std::FILE* out, std::string_view bytes);

inline void WriteOut(std::FILE* out, const QByteArray& bytes) {
    WriteOut(out, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Throws OutputFailure when the reader of `out` has gone (a pipe whose other
// end is closed), even though nothing has been written for a while.
void ThrowIfOutputGone(std::FILE* out);

// The reason of a failed write, as "cannot write output: REASON".
QString OutputFailureMessage(const OutputFailure& failure);

// A message for a terminal: control characters and bidirectional controls,
// which could come from what the user typed, are shown as escapes.
QByteArray ForTerminal(const QString& message);

}  // namespace zkc::cli
