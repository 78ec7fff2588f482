#include "monitor/TextFile.h"

#include <cstring>

namespace zelvo {

bool LineReader::Fill() {
  if (eof_ || error_) return false;
  if (begin_ > 0) {
    std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buf_.size()) buf_.resize(buf_.size() * 2);  // a line longer than the buffer
  const std::size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, f_);
  end_ += got;
  if (got == 0) {
    if (std::ferror(f_)) error_ = true;
    eof_ = true;
    return false;
  }
  return true;
}

bool LineReader::Next(std::string_view& line) {
  std::size_t scanned = begin_;
  for (;;) {
    for (std::size_t i = scanned; i < end_; ++i) {
      const char c = buf_[i];
      if (c != '\n' && c != '\r') continue;
      if (c == '\r' && i + 1 == end_ && !eof_) break;  // a LF may follow in the next read
      line = std::string_view(buf_.data() + begin_, i - begin_);
      begin_ = i + 1;
      if (c == '\r' && begin_ < end_ && buf_[begin_] == '\n') ++begin_;
      return true;
    }
    const std::size_t offset = end_ > begin_ ? end_ - begin_ : 0;
    const bool more = Fill();
    if (!more) {
      if (error_) return false;
      if (begin_ < end_) {
        std::size_t stop = end_;
        if (buf_[stop - 1] == '\r') --stop;
        line = std::string_view(buf_.data() + begin_, stop - begin_);
        begin_ = end_;
        return true;
      }
      return false;
    }
    // Rescan only the new bytes (and a CR that waited for its LF).
    scanned = begin_ + (offset > 0 ? offset - 1 : 0);
  }
}

bool WriteLine(std::FILE* f, std::string_view line) {
  if (!line.empty() && std::fwrite(line.data(), 1, line.size(), f) != line.size()) return false;
  return std::fwrite("\r\n", 1, 2, f) == 2;
}

}  // namespace zelvo
