// The window's contacts with the world outside it, as small interfaces so
// that tests can stand in for them.
#pragma once

#include <QString>
#include <QUrl>

#include "input/page_input.h"  // MessageIcon

class QWidget;

namespace zkc::app {

// Modal message boxes with one "OK" button and the application's title.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void Show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
};

// Shows a web address in the user's default browser.
class WebOpener {
  public:
    virtual ~WebOpener() = default;
    virtual void OpenWebPage(const QUrl& address) = 0;
};

// Looks something up on the web and shows the results; nothing is read back.
class WebSearchComponent {
  public:
    virtual ~WebSearchComponent() = default;
    virtual void Search(const QString& searchText) = 0;
};

// Production implementations on Qt.
class QtMessageBoxes : public MessageBoxes {
  public:
    void Show(QWidget* parent, const QString& text, MessageIcon icon) override;
};

class DesktopWebOpener : public WebOpener {
  public:
    void OpenWebPage(const QUrl& address) override;
};

// Opens the default browser on a web search for the text, which goes into
// the address percent-encoded (it never passes through a shell).
class BrowserWebSearch : public WebSearchComponent {
  public:
    explicit BrowserWebSearch(WebOpener& opener) : opener_(opener) {}
    void Search(const QString& searchText) override;

    // The address that searches for the text.
    static QUrl SearchAddress(const QString& searchText);

  private:
    WebOpener& opener_;
};

// The application's title, the caption of its message boxes.
QString ApplicationTitle();

}  // namespace zkc::app
