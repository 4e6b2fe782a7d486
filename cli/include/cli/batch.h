// Many readings at once: one reading for each row of a file of charts, as
// JSON lines or as CSV, read and written as a stream, so that memory stays
// the same for a thousand rows or a million.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <cstdio>

namespace zkc::cli {

enum class BatchOutput { Csv, JsonLines };

// Registers --batch.
void AddBatchOptions(QCommandLineParser& parser);
bool WantsBatch(const QCommandLineParser& parser);

// Reads the rows of `path` ("-" for standard input): JSON lines (a chart
// document or {"birth", "day"} per line) or CSV whose header names the keys
// as "birth.Name", "day.Month" and so on. Each row that passes the checks
// gives one output row; a refused row is reported on `err` with its line
// number and the reason, and the rest go on. Returns the exit status: 0, 2
// when a row was refused, 66 when the input cannot be read. Throws
// OutputFailure at the first write that fails.
int RunBatch(const QString& path, BatchOutput output, std::FILE* out, std::FILE* err);

}  // namespace zkc::cli
