#include "app/web_links.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/web_addresses.h"

namespace zkc::app {

QUrl LocalHelpPage() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        programDir.filePath(QString::fromUtf8(kHelpPageFromProgram)),  // installed
        programDir.filePath(QStringLiteral("help/index.html")),        // build tree
    };
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path)) {
            return QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath());
        }
    }
    return QUrl::fromLocalFile(candidates[0]);
}

QUrl WebAddress(WebPage page) {
    const char* configured = "";
    switch (page) {
        case WebPage::OnlineHelp:
            configured = kOnlineHelpPage;
            break;
        case WebPage::Home:
            configured = kHomePage;
            break;
        case WebPage::Download:
            configured = kDownloadPage;
            break;
        case WebPage::FullBrand:
            configured = kFullBrandPage;
            break;
        case WebPage::CoBrand:
            configured = kCoBrandPage;
            break;
    }
    const QString address = QString::fromUtf8(configured);
    if (address.startsWith(QLatin1Char('#'))) {
        QUrl help = LocalHelpPage();
        help.setFragment(address.mid(1));
        return help;
    }
    return QUrl(address);
}

}  // namespace zkc::app
