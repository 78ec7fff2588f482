// Any text with any flags and interface options into the decoder: it must
// never crash, hang or trip a sanitizer. The first bytes choose the state.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "decode/Decode.h"
#include "shell/Session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  zelvo::Session session;
  session.Interface.InterfaceOptions1 = data[0];
  session.Interface.PCIAddress = data[1] == 0xFF ? -1 : data[1];
  session.User.HexNumbers = (data[2] & 0x80) != 0;
  session.Interface.LastCommandToLocalPCI = (data[2] & 0x40) != 0;
  const int flags = data[2] & 0x3F;
  std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
  // Several messages per input, so state carried between them is exercised.
  while (!text.empty()) {
    auto end = text.find('\n');
    std::string_view message = text.substr(0, end);
    (void)zelvo::DecodeMessage(session.Decoder, message, flags);
    (void)zelvo::DecodeStoredMessage(session.Decoder, message, flags | zelvo::DecodeLive);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return 0;
}
