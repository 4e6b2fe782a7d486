#include "cli/interruption.h"

#include <signal.h>

#include <atomic>

namespace zkc::cli {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "raised from a signal handler");

struct sigaction previous;

extern "C" void RaiseFlag(int) {
    interrupted.store(true, std::memory_order_relaxed);
}

}  // namespace

InterruptionGuard::InterruptionGuard() {
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = RaiseFlag;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // writes in progress finish
    sigaction(SIGINT, &action, &previous);
}

InterruptionGuard::~InterruptionGuard() {
    sigaction(SIGINT, &previous, nullptr);
}

bool InterruptionGuard::Interrupted() {
    return interrupted.load(std::memory_order_relaxed);
}

}  // namespace zkc::cli
