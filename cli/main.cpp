// kotachakra-cli: a Kota Chakra reading on the command line.
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>

#include "cli/exit_codes.h"
#include "cli/input_reading.h"
#include "cli/output_channel.h"
#include "cli/run_cli.h"
#include "version/version.h"

namespace {

// A standard descriptor that was closed is taken by the first file opened,
// and output would land in that file. Each closed one is held by /dev/null
// opened the wrong way round, so that reading standard input or writing
// output fails with a clear reason (messages on a closed standard error are
// lost, which is all that can be done).
bool HoldClosedDescriptors() {
    const bool stdinOpen = ::fcntl(STDIN_FILENO, F_GETFD) != -1;
    const struct {
        int fd;
        int mode;
    } standard[] = {{STDIN_FILENO, O_WRONLY}, {STDOUT_FILENO, O_RDONLY}, {STDERR_FILENO, O_WRONLY}};
    for (const auto& s : standard) {
        if (::fcntl(s.fd, F_GETFD) == -1) {
            const int held = ::open("/dev/null", s.mode);
            if (held != -1 && held != s.fd) {
                ::dup2(held, s.fd);
                ::close(held);
            }
        }
    }
    return stdinOpen;
}

// Qt's own diagnostics (a locale it had to replace, say) are not the
// program's messages; only a fatal one is reported, in the program's words.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kotachakra-cli: internal error: %s\n",
                     zkc::cli::ForTerminal(message).constData());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool stdinOpen = HoldClosedDescriptors();
    // A reader that goes away is a failed write (status 74), not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    qInstallMessageHandler(QuietQtMessages);
    try {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("kotachakra-cli");
        QCoreApplication::setApplicationVersion(zkc::kVersion);

        zkc::cli::Streams streams{
            stdout, stderr, [stdinOpen] {
                return stdinOpen
                           ? zkc::cli::ReadAtMost(STDIN_FILENO)
                           : zkc::cli::InputRead{
                                 zkc::cli::InputRead::Outcome::Unreadable, {}, "it is closed"};
            }};
        streams.progress = isatty(fileno(stderr)) ? stderr : nullptr;
        const int status = zkc::cli::RunCli(QCoreApplication::arguments(), streams);
        // A reading that could not be written out completely is a failure
        // (reported here unless the write that failed has reported it).
        if (status != zkc::cli::kExitIoError && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
            std::fprintf(stderr, "kotachakra-cli: cannot write output: %s\n", std::strerror(errno));
            return zkc::cli::kExitIoError;
        }
        return status;
    } catch (const std::bad_alloc&) {
        std::fputs("kotachakra-cli: out of memory\n", stderr);
        return zkc::cli::kExitSoftware;
    }
}
