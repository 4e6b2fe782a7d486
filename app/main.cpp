// kotachakra: the desktop application.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/app_style.h"
#include "app/emblem.h"
#include "app/frm_main.h"
#include "app/seams.h"
#include "version/version.h"

int main(int argc, char* argv[]) {
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kotachakra %s\n", zkc::kVersion);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: kotachakra [-h|--help] [--version]\n"
                "Opens the Zorvik Kota Chakra window. For readings without a window, see "
                "kotachakra-cli --help.\n");
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zkc::kProductName));
    QApplication::setApplicationVersion(zkc::kVersion);
    QApplication::setDesktopFileName(zkc::kApplicationId);
    QApplication::setWindowIcon(zkc::app::EmblemIcon());
    zkc::app::SetDesktopFont(QApplication::font());
    QApplication::setFont(zkc::app::ApplicationFont());

    zkc::app::QtMessageBoxes messages;
    zkc::app::DesktopWebOpener web;
    zkc::app::BrowserWebSearch search(web);
    zkc::app::FrmMain window({messages, web, search});
    window.show();
    return QApplication::exec();
}
