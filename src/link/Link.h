#pragma once
// The Link port: the serial port or TCP socket to the PC Interface. Bytes map
// one-to-one to character codes 0..255. Received bytes are delivered by the
// link owner calling the receive assembler; this port only sends.

#include <string_view>

namespace zelvo {

class Link {
 public:
  virtual ~Link() = default;
  virtual bool IsOpen() const = 0;
  // Writes the bytes; returns false when the link is closed or the write fails.
  virtual bool Write(std::string_view bytes) = 0;
};

}  // namespace zelvo
