#include "shell/ApplicationException.h"

namespace zelvo {

void ApplicationException(Host& host, std::string_view message) {
  // Showing the box can itself fail (out of memory); nothing may escape.
  try {
    host.Message(MsgIcon::Error, message.empty() ? "Unknown error" : message, MsgButtons::Ok);
  } catch (...) {
  }
}

}  // namespace zelvo
