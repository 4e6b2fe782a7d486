// The five web addresses the window opens.
#pragma once

#include <QUrl>

namespace zkc::app {

enum class WebPage { OnlineHelp, Home, Download, FullBrand, CoBrand };

// The address of a page: the configured one, or the section of the local
// help page it names.
QUrl WebAddress(WebPage page);

// The help page installed with the program (or beside it in a build tree).
QUrl LocalHelpPage();

}  // namespace zkc::app
