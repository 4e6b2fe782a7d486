#include "cli/input_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace zkc::cli {
namespace {

InputRead Unreadable(int error) {
    return {InputRead::Outcome::Unreadable, {}, QString::fromLocal8Bit(std::strerror(error))};
}

}  // namespace

InputRead ReadAtMost(int fd, qsizetype limit) {
    InputRead read;
    // One byte past the limit tells a document that is too large from one
    // that fills the limit exactly.
    read.Bytes.resize(limit + 1);
    qsizetype have = 0;
    while (have <= limit) {
        const ssize_t n =
            ::read(fd, read.Bytes.data() + have, static_cast<std::size_t>(limit + 1 - have));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Unreadable(errno);
        }
        if (n == 0) {
            break;
        }
        have += n;
    }
    if (have > limit) {
        return {InputRead::Outcome::TooLarge, {}, {}};
    }
    read.Bytes.resize(have);
    read.Bytes.squeeze();
    return read;
}

InputRead ReadFileAtMost(const QString& path, qsizetype limit) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Unreadable(errno);
    }
    struct stat info {};
    InputRead read = ::fstat(fd, &info) != 0 ? Unreadable(errno)
                     : S_ISDIR(info.st_mode) ? Unreadable(EISDIR)
                                             : ReadAtMost(fd, limit);
    ::close(fd);
    return read;
}

}  // namespace zkc::cli
