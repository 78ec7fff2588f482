#pragma once
// The handler of unexpected errors: the message is shown in an error box and
// the program goes on. Every window handler that calls into the core runs
// through Guarded, so no exception ever leaves a handler.

#include <exception>
#include <string_view>

#include "shell/Host.h"

namespace zelvo {

void ApplicationException(Host& host, std::string_view message);

template <class F>
void Guarded(Host& host, F&& f) noexcept {
  try {
    f();
  } catch (const std::exception& e) {
    ApplicationException(host, e.what());
  } catch (...) {
    ApplicationException(host, "Unknown error");
  }
}

}  // namespace zelvo
