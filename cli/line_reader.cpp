#include "cli/line_reader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "documents/chart_document.h"

namespace zkc::cli {

std::optional<LineReader::Line> LineReader::Next() {
    Line line;
    bool any = false;  // whether the line has a byte, even one not kept
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_);
        if (end != std::string::npos) {
            Take(line, end - start_);
            start_ = end + 1;
            ++number_;
            return line;
        }
        any = any || start_ < buffer_.size();
        Take(line, buffer_.size() - start_);
        buffer_.clear();
        start_ = 0;
        if (!Fill()) {
            // The input ends: a last line without its end still counts.
            if (!any || stopped_) {
                return std::nullopt;
            }
            ++number_;
            return line;
        }
    }
}

void LineReader::Take(Line& line, std::size_t count) {
    if (line.tooLong ||
        line.text.size() + count > static_cast<std::size_t>(kLargestChartDocumentBytes)) {
        line.tooLong = true;
        line.text.clear();
        return;
    }
    line.text.append(buffer_, start_, count);
    if (!line.text.empty() && line.text.back() == '\r') {
        // Lines may end in CRLF; the CR is not part of the row.
        if (start_ + count < buffer_.size() && buffer_[start_ + count] == '\n') {
            line.text.pop_back();
        }
    }
}

bool LineReader::WaitForInput() {
    if (!beforeWaiting_) {
        return true;
    }
    pollfd input{fd_, POLLIN, 0};
    if (::poll(&input, 1, 0) != 0) {
        return true;  // ready, at its end, or failed: read() tells which
    }
    for (;;) {
        if (!beforeWaiting_()) {
            stopped_ = true;
            return false;
        }
        const int ready = ::poll(&input, 1, -1);
        if (ready > 0 || (ready < 0 && errno != EINTR)) {
            return true;
        }
    }
}

bool LineReader::Fill() {
    if (!WaitForInput()) {
        return false;
    }
    char block[1 << 16];
    for (;;) {
        const ssize_t n = read(fd_, block, sizeof block);
        if (n > 0) {
            buffer_.assign(block, static_cast<std::size_t>(n));
            return true;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
        }
        return false;
    }
}

}  // namespace zkc::cli
