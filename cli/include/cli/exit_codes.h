// Exit statuses of kotachakra-cli.
#pragma once

namespace zkc::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;    // the input was refused (message on standard error)
inline constexpr int kExitUsage = 64;     // the command line itself is wrong
inline constexpr int kExitNoInput = 66;   // the input (a file or standard input) cannot be read
inline constexpr int kExitSoftware = 70;  // out of memory
inline constexpr int kExitIoError = 74;   // the output could not be written

// Ctrl-C stopped a scan or a transit search after a whole line.
inline constexpr int kExitInterrupted = 130;

}  // namespace zkc::cli
