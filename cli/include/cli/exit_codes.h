// Exit statuses of kotachakra-cli.
#pragma once

namespace zkc::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;        // the input was refused (message on standard error)
inline constexpr int kExitUsage = 64;         // the command line itself is wrong
inline constexpr int kExitNoInput = 66;       // the input file cannot be read
inline constexpr int kExitIoError = 74;       // the output could not be written
inline constexpr int kExitInterrupted = 130;  // Ctrl-C stopped a scan after a whole line

}  // namespace zkc::cli
