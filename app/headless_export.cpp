#include "app/headless_export.h"

#include "app/page_frame.h"
#include "app/reading_document.h"
#include "app/report_text_box.h"
#include "app/result_page.h"
#include "app/twips.h"
#include "documents/chart_file.h"
#include "kota/kota_chakra.h"
#include "places/page_zone.h"

namespace zkc::app {

int ExportChart(ExportKind kind, const QString& outputPath, const QString& chartPath,
                std::FILE* err) {
    const auto fail = [err](int status, const QString& message) {
        std::fprintf(err, "kotachakra: %s\n", qPrintable(message));
        return status;
    };
    auto file = ReadChartFile(chartPath);
    if (const auto* error = std::get_if<ChartFileError>(&file)) {
        return fail(
            error->What == ChartFileError::Kind::Unreadable ? kExportUnreadable : kExportRefused,
            error->Message);
    }
    const Pages& pages = std::get<Pages>(file);
    const auto inputs = places::InputsOfPages(pages.Birth, pages.Day);
    if (const auto* error = std::get_if<places::ZoneError>(&inputs)) {
        return fail(kExportRefused, error->Message);
    }
    ChartCalculation charts;
    charts.Calculate(std::get<places::ReadingInputs>(inputs).Birth,
                     std::get<places::ReadingInputs>(inputs).Day);

    QByteArray bytes;
    if (kind == ExportKind::Pdf) {
        bytes = ReadingPdf(charts, DocumentAuthor());
    } else {
        ResultPage page;
        // The size the window gives it: the picture has no margin around it.
        const auto [left, top, width, height] = kPageFrameTwips;
        page.resize(TwipsScale()(left, top, width, height).size());
        RichTextReportSink sink(*page.RTBResult);
        zkc::Kota_Chakra(charts.BirthChart(), charts.OracleChart(), sink);
        bytes = ResultPagePng(page);
    }
    if (const auto error = WriteFileAtomically(outputPath, bytes)) {
        return fail(kExportNotWritten, *error);
    }
    return kExportOk;
}

}  // namespace zkc::app
