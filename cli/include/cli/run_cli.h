// kotachakra-cli as a function: arguments and standard input in, output,
// messages and an exit status out.
#pragma once

#include <QStringList>
#include <cstdio>
#include <functional>

#include "cli/input_reading.h"

namespace zkc::cli {

struct Streams {
    std::FILE* out;
    std::FILE* err;
    // Standard input, read as ReadAtMost reads it.
    std::function<InputRead()> readStandardInput;
    // Where a scan shows its progress bar (a terminal), or null for none.
    std::FILE* progress = nullptr;
};

// arguments[0] is the program name. Returns the exit status.
int RunCli(const QStringList& arguments, const Streams& streams);

}  // namespace zkc::cli
