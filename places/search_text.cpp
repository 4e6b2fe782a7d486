#include "places/search_text.h"

namespace zkc::places {
namespace {

// Letters that Unicode decomposition leaves whole, as they are usually
// written in plain Latin letters.
QString SpelledOut(QChar c) {
    switch (c.unicode()) {
        case u'ß':
            return QStringLiteral("ss");
        case u'æ':
            return QStringLiteral("ae");
        case u'œ':
            return QStringLiteral("oe");
        case u'ø':
            return QStringLiteral("o");
        case u'đ':
        case u'ð':
            return QStringLiteral("d");
        case u'ł':
            return QStringLiteral("l");
        case u'ı':
            return QStringLiteral("i");
        case u'þ':
            return QStringLiteral("th");
        default:
            return QString(c);
    }
}

bool IsApostrophe(QChar c) {
    return c == u'\'' || c == u'\u2019' || c == u'\u02BC' || c == u'`';
}

}  // namespace

std::string FoldForSearch(const QString& text) {
    // Most names of the atlas are plain ASCII: fold those without the
    // Unicode machinery, which costs ten times as much.
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        std::string folded;
        folded.reserve(static_cast<std::size_t>(text.size()));
        bool pendingBlank = false;
        for (const QChar qc : text) {
            const char c = static_cast<char>(qc.unicode());
            if (c == '\'' || c == '`') {
                continue;
            }
            const bool letterOrDigit =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!letterOrDigit) {
                pendingBlank = !folded.empty();
                continue;
            }
            if (pendingBlank) {
                folded += ' ';
                pendingBlank = false;
            }
            folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return folded;
    }
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    bool pendingBlank = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing ||
            c.category() == QChar::Mark_SpacingCombining || c.category() == QChar::Mark_Enclosing ||
            IsApostrophe(c)) {
            continue;
        }
        if (!c.isLetterOrNumber()) {
            pendingBlank = !folded.isEmpty();
            continue;
        }
        if (pendingBlank) {
            folded += u' ';
            pendingBlank = false;
        }
        folded += SpelledOut(c);
    }
    return folded.toStdString();
}

}  // namespace zkc::places
