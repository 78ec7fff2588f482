#include "shell/Session.h"

namespace zelvo {

void SetNumberFormat(Session& session, bool hexNumbers) {
  session.User.HexNumbers = hexNumbers;
  session.Traffic.ErrorHistory.clear();
}

}  // namespace zelvo
