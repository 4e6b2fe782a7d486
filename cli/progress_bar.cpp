#include "cli/progress_bar.h"

#include <algorithm>
#include <cstring>

namespace zkc::cli {

ProgressBar::~ProgressBar() {
    if (shown_) {
        std::fprintf(terminal_, "\r%*s\r", kWidth + 32, "");
        std::fflush(terminal_);
    }
}

void ProgressBar::Update(long long done) {
    if (!terminal_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100)) {
        return;
    }
    last_ = now;
    shown_ = true;
    const int filled = static_cast<int>(kWidth * done / std::max(1LL, total_));
    char bar[kWidth + 1];
    std::memset(bar, '#', static_cast<std::size_t>(filled));
    std::memset(bar + filled, ' ', static_cast<std::size_t>(kWidth - filled));
    bar[kWidth] = '\0';
    std::fprintf(terminal_, "\r[%s] %3d%% %lld/%lld", bar,
                 static_cast<int>(100 * done / std::max(1LL, total_)), done, total_);
    std::fflush(terminal_);
}

}  // namespace zkc::cli
