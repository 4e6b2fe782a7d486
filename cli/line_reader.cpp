#include "cli/line_reader.h"

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
            if (!any) {
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

bool LineReader::Fill() {
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
