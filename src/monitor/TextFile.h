#pragma once
// Line-wise reading and CR LF writing of plain byte files, for the logs and
// the log-file tools. No character conversion: bytes stay as they are.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// Reads lines ended by CR LF, LF or CR; the last line may lack its end.
class LineReader {
 public:
  explicit LineReader(std::FILE* f) : f_(f), buf_(1 << 16) {}
  // The next line without its end; valid until the next call. False at the
  // end of the file or on a read error (see Failed).
  bool Next(std::string_view& line);
  bool Failed() const { return error_; }

 private:
  bool Fill();

  std::FILE* f_;
  std::vector<char> buf_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool error_ = false;
};

// Appends a line and CR LF; false when the write failed.
bool WriteLine(std::FILE* f, std::string_view line);

}  // namespace zelvo
