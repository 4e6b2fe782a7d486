// A bar on a terminal that shows how far a long run has come, once it has
// run for a second.
#pragma once

#include <chrono>
#include <cstdio>

namespace zkc::cli {

class ProgressBar {
  public:
    // No bar is drawn when terminal is null.
    ProgressBar(std::FILE* terminal, long long total) : terminal_(terminal), total_(total) {}
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Update(long long done);

  private:
    static constexpr int kWidth = 40;
    std::FILE* terminal_;
    long long total_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_ = start_;
};

}  // namespace zkc::cli
