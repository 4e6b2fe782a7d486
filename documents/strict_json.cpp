#include "documents/strict_json.h"

#include <cctype>

namespace zkc {
namespace {

QString At(const char* what, qsizetype offset) {
    return QString("%1 at offset %2").arg(QLatin1String(what)).arg(offset);
}

}  // namespace

std::optional<QString> FindStringFault(const QByteArray& document) {
    bool inString = false;
    const qsizetype n = document.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(document[i]);
        if (!inString) {
            inString = c == '"';
            continue;
        }
        if (c == '"') {
            inString = false;
        } else if (c < 0x20) {
            return At("raw control character in a string", i);
        } else if (c == '\\') {
            const char e = i + 1 < n ? document[i + 1] : '\0';
            if (e == 'u') {
                for (qsizetype k = i + 2; k < i + 6; ++k) {
                    if (k >= n || !std::isxdigit(static_cast<unsigned char>(document[k]))) {
                        return At("invalid \\u escape in a string", i);
                    }
                }
                i += 5;
            } else if (e != '\0' && QByteArrayView("\"\\/bfnrt").contains(e)) {
                ++i;
            } else {
                return At("invalid escape in a string", i);
            }
        }
    }
    return std::nullopt;
}

}  // namespace zkc
