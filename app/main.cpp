// kotachakra: the desktop application.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "app/app_style.h"
#include "app/emblem.h"
#include "app/file_seams.h"
#include "app/frm_main.h"
#include "app/headless_export.h"
#include "app/seams.h"
#include "version/version.h"

namespace {

constexpr char kUsage[] =
    "Usage: kotachakra [FILE.kota]\n"
    "       kotachakra --export-pdf OUT.pdf FILE.kota\n"
    "       kotachakra --export-png OUT.png FILE.kota\n"
    "Opens the Zorvik Kota Chakra window, with a chart file when one is given.\n"
    "With --export-pdf or --export-png, writes the reading of the chart file as a PDF\n"
    "document or a PNG picture of the result page, without showing a window.\n"
    "Exit status of an export: 0 written, 2 chart refused, 64 usage error,\n"
    "66 chart file unreadable, 74 output not written.\n"
    "For readings without a window, see kotachakra-cli --help.\n";

// What the command line asks for, read before any window system is needed.
struct Request {
    bool help = false;
    bool version = false;
    std::optional<zkc::app::ExportKind> exportKind;
    QString exportPath;
    QString chartPath;
    std::string error;
};

Request ReadArguments(int argc, char* argv[]) {
    Request r;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            r.help = true;
        } else if (std::strcmp(a, "--version") == 0 || std::strcmp(a, "-v") == 0) {
            r.version = true;
        } else if (std::strcmp(a, "--export-pdf") == 0 || std::strcmp(a, "--export-png") == 0) {
            if (i + 1 >= argc) {
                r.error = std::string(a) + " needs the output file";
                return r;
            }
            if (r.exportKind) {
                r.error = "one export at a time: give --export-pdf or --export-png";
                return r;
            }
            r.exportKind = std::strcmp(a, "--export-pdf") == 0 ? zkc::app::ExportKind::Pdf
                                                               : zkc::app::ExportKind::Png;
            r.exportPath = QString::fromLocal8Bit(argv[++i]);
        } else if (a[0] == '-' && a[1] != '\0') {
            // Qt's own options (-platform, -style, …) are left to Qt.
            continue;
        } else if (r.chartPath.isEmpty()) {
            r.chartPath = QString::fromLocal8Bit(a);
        } else {
            r.error = std::string("unexpected argument ") + a;
            return r;
        }
    }
    if (r.exportKind && r.chartPath.isEmpty()) {
        r.error = "an export needs the chart file to read";
    }
    return r;
}

}  // namespace

int main(int argc, char* argv[]) {
    const Request request = ReadArguments(argc, argv);
    if (request.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (request.version) {
        std::printf("kotachakra %s\n", zkc::kVersion);
        return 0;
    }
    if (!request.error.empty()) {
        std::fprintf(stderr, "kotachakra: %s\n%s", request.error.c_str(), kUsage);
        return zkc::app::kExportUsage;
    }
    if (request.exportKind) {
        // An export draws into files only: no display is needed, and its
        // standard error carries its own messages alone, not Qt's notes
        // about the environment.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "kotachakra: %s\n", qPrintable(text));
            }
        });
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zkc::kProductName));
    QApplication::setApplicationVersion(zkc::kVersion);
    QApplication::setDesktopFileName(zkc::kApplicationId);
    QApplication::setWindowIcon(zkc::app::EmblemIcon());
    zkc::app::SetDesktopFont(QApplication::font());
    QApplication::setFont(zkc::app::ApplicationFont());

    if (request.exportKind) {
        return zkc::app::ExportChart(*request.exportKind, request.exportPath, request.chartPath,
                                     stderr);
    }

    zkc::app::QtMessageBoxes messages;
    zkc::app::DesktopWebOpener web;
    zkc::app::BrowserWebSearch search(web);
    zkc::app::QtFileDialogs files;
    zkc::app::QtUnsavedQuestion unsaved;
    zkc::app::QtPrinting printing;
    zkc::app::QtSettingsStore settings;
    zkc::app::SystemClock clock;
    zkc::app::FrmMain window({messages, web, search, files, unsaved, printing, settings, clock});
    window.show();
    if (!request.chartPath.isEmpty()) {
        window.OpenChartFile(request.chartPath);
    }
    return QApplication::exec();
}
