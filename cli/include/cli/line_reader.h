// The lines of a file descriptor, for inputs of one record per line.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace zkc::cli {

// The lines of a descriptor, read in blocks; a line longer than a chart
// document may be is reported as such and skipped without being kept.
class LineReader {
  public:
    explicit LineReader(int fd) : fd_(fd) {}

    struct Line {
        std::string text;
        bool tooLong = false;
    };
    // The next line without its end (LF or CRLF), or nothing at the end of
    // the input.
    std::optional<Line> Next();
    // The number of the line Next() gave last, counted from 1.
    long long Number() const { return number_; }
    // Why reading stopped early; empty at a plain end of the input.
    const QString& Error() const { return error_; }

    // Called whenever the input has nothing ready and reading would wait
    // (a person typing, a program that writes slowly), and again when a
    // signal wakes the wait: the moment to hand on what is done. Returning
    // false stops the reading as at the end of the input, without the line
    // begun.
    void BeforeWaiting(std::function<bool()> hook) { beforeWaiting_ = std::move(hook); }

  private:
    void Take(Line& line, std::size_t count);
    bool Fill();
    bool WaitForInput();

    int fd_;
    std::string buffer_;
    std::size_t start_ = 0;
    long long number_ = 0;
    QString error_;
    std::function<bool()> beforeWaiting_;
    bool stopped_ = false;
};

}  // namespace zkc::cli
