// Ctrl-C during a long run: the run stops after the line it is writing, so
// that what was written ends with a whole line.
#pragma once

namespace zkc::cli {

// While one lives, SIGINT only raises a flag (and the previous handler is
// put back when it goes).
class InterruptionGuard {
  public:
    InterruptionGuard();
    ~InterruptionGuard();
    InterruptionGuard(const InterruptionGuard&) = delete;
    InterruptionGuard& operator=(const InterruptionGuard&) = delete;

    // True once SIGINT has arrived.
    static bool Interrupted();
};

}  // namespace zkc::cli
