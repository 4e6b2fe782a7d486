// A desktop with a dark theme, as Breeze Dark or Adwaita-dark give it: the
// palette the window must stay readable in.
#pragma once

#include <QColor>
#include <QPalette>

namespace zkc::test {

inline QPalette DarkDesktop() {
    QPalette p;
    const QColor window(0x2A, 0x2E, 0x32), base(0x1B, 0x1E, 0x20), text(0xFC, 0xFC, 0xFC);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, QColor(0x31, 0x36, 0x3B));
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
        p.setColor(group, QPalette::HighlightedText, text);
        p.setColor(group, QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
    }
    return p;
}

}  // namespace zkc::test
