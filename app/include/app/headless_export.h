// kotachakra --export-pdf OUT.pdf FILE.kota / --export-png OUT.png FILE.kota:
// the reading of a chart file written to a document or picture, without a
// window on the screen.
#pragma once

#include <QString>
#include <cstdio>

namespace zkc::app {

enum class ExportKind { Pdf, Png };

// Exit statuses, as kotachakra-cli uses them.
inline constexpr int kExportOk = 0;
inline constexpr int kExportRefused = 2;      // the chart is not one this program takes
inline constexpr int kExportUsage = 64;       // the command line itself is wrong
inline constexpr int kExportUnreadable = 66;  // the chart file cannot be read
inline constexpr int kExportNotWritten = 74;  // the output could not be written

// Reads the chart, checks both pages as the window would, computes the
// reading and writes it; every failure is one line on `err`.
int ExportChart(ExportKind kind, const QString& outputPath, const QString& chartPath,
                std::FILE* err);

}  // namespace zkc::app
