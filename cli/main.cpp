// kotachakra-cli: a Kota Chakra reading on the command line.
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "cli/exit_codes.h"
#include "cli/run_cli.h"
#include "version/version.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kotachakra-cli");
    QCoreApplication::setApplicationVersion(zkc::kVersion);

    zkc::cli::Streams streams{stdout, stderr, [] {
                                  QFile in;
                                  if (!in.open(stdin, QIODevice::ReadOnly)) {
                                      return std::optional<QByteArray>();
                                  }
                                  return std::optional<QByteArray>(in.readAll());
                              }};
    streams.progress = isatty(fileno(stderr)) ? stderr : nullptr;
    const int status = zkc::cli::RunCli(QCoreApplication::arguments(), streams);
    // A reading that could not be written out completely is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return zkc::cli::kExitIoError;
    }
    return status;
}
