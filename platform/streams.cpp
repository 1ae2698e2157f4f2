#include "platform/streams.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarvek {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kBlock = 64 * 1024;

}  // namespace

LineReader::LineReader(int fd, std::size_t longest) : fd_(fd), longest_(longest) {}

bool LineReader::fill() {
    if (atEnd_ || error_) return false;
    begin_ = end_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            end_ = std::size_t(n);
            return true;
        }
        if (n == 0) {
            atEnd_ = true;
            return false;
        }
        if (errno != EINTR) {
            error_ = errno;
            return false;
        }
    }
}

bool LineReader::next(std::string& line, bool& cut) {
    line.clear();
    cut = false;
    bool any = false;
    for (bool ended = false; !ended;) {
        if (begin_ == end_ && !fill()) {
            if (!any || error_) return false;
            break;  // the last line has no line end
        }
        any = true;
        const char* first = buffer_.data() + begin_;
        const auto* lineEnd = static_cast<const char*>(std::memchr(first, '\n', end_ - begin_));
        const std::size_t length = lineEnd ? std::size_t(lineEnd - first) : end_ - begin_;
        const std::size_t room = longest_ - std::min(longest_, line.size());
        line.append(first, std::min(length, room));
        cut = cut || length > room;
        begin_ += length + (lineEnd ? 1 : 0);
        ended = lineEnd != nullptr;
    }
    if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
    if (!started_ && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    started_ = true;
    return true;
}

std::string LineReader::error() const { return error_ ? std::strerror(error_) : ""; }

void Output::write(std::string_view text) {
    if (error_) return;
    held_.append(text);
    if (held_.size() >= kBlock) flush();
}

bool Output::flush() {
    std::size_t written = 0;
    while (!error_ && written < held_.size()) {
        const ssize_t n = ::write(fd_, held_.data() + written, held_.size() - written);
        if (n >= 0)
            written += std::size_t(n);
        else if (errno != EINTR)
            error_ = errno;
    }
    held_.clear();
    return !error_;
}

std::string Output::error() const { return error_ ? std::strerror(error_) : ""; }

}  // namespace tarvek
