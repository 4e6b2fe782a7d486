#include "cli/output_channel.h"

#include <poll.h>

#include <cerrno>
#include <cstring>

namespace zkc::cli {

void WriteOut(std::FILE* out, std::string_view bytes) {
    errno = 0;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), out);
    if (written != bytes.size() || std::fflush(out) != 0 || std::ferror(out)) {
        throw OutputFailure{errno != 0 ? errno : EIO};
    }
}

void ThrowIfOutputGone(std::FILE* out) {
    pollfd p{fileno(out), POLLOUT, 0};
    if (p.fd >= 0 && ::poll(&p, 1, 0) == 1 && (p.revents & (POLLERR | POLLHUP)) != 0) {
        throw OutputFailure{EPIPE};
    }
}

QString OutputFailureMessage(const OutputFailure& failure) {
    return "cannot write output: " + QString::fromLocal8Bit(std::strerror(failure.Error));
}

QByteArray ForTerminal(const QString& message) {
    QString shown;
    shown.reserve(message.size());
    for (const QChar c : message) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0x202A && u <= 0x202E) ||
                             (u >= 0x2066 && u <= 0x2069);
        if (control && u != '\n') {
            shown += QString("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown.toUtf8();
}

}  // namespace zkc::cli
