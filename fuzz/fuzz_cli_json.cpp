// Fuzzes the command line's JSON input: any bytes on standard input give a
// reading (status 0) or a clear refusal (status 2), never a crash.
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "cli/run_cli.h"

namespace {

std::FILE* DevNull() {
    static std::FILE* devNull = std::fopen("/dev/null", "w");
    return devNull;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* format : {"text", "json"}) {
        const zkc::cli::Streams streams{DevNull(), DevNull(), [&input] {
                                            return zkc::cli::InputRead{{}, input, {}};
                                        }};
        const int status =
            zkc::cli::RunCli({"kotachakra-cli", "--input", "-", "--format", format}, streams);
        if (status != 0 && status != 2) {
            std::abort();
        }
    }
    return 0;
}
