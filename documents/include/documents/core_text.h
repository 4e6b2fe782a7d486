// Texts crossing between the core, which keeps UTF-8 in std::string, and Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zkc {

inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCore(const QString& text) {
    return text.toStdString();
}

}  // namespace zkc
