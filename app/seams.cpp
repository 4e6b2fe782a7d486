#include "app/seams.h"

#include <QDesktopServices>
#include <QMessageBox>

#include "app/web_addresses.h"
#include "version/version.h"

namespace zkc::app {

QString ApplicationTitle() {
    return QString::fromUtf8(kProductName);
}

void QtMessageBoxes::Show(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void DesktopWebOpener::OpenWebPage(const QUrl& address) {
    // The result is ignored: a browser that cannot be started is not the
    // reading's concern, and nothing is shown.
    QDesktopServices::openUrl(address);
}

QUrl BrowserWebSearch::SearchAddress(const QString& searchText) {
    QString address = QString::fromUtf8(kWebSearchAddress);
    address.replace(QStringLiteral("%s"), QString::fromLatin1(QUrl::toPercentEncoding(searchText)));
    return QUrl::fromEncoded(address.toLatin1(), QUrl::StrictMode);
}

void BrowserWebSearch::Search(const QString& searchText) {
    opener_.OpenWebPage(SearchAddress(searchText));
}

}  // namespace zkc::app
