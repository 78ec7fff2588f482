#include "decode/MessageChars.h"

namespace zelvo {

std::string MessageCharsText(const DecodeCall& d, int s, int n) {
  std::string out;
  const long long end = static_cast<long long>(s) + n;  // no overflow for any s, n
  for (long long i = s; i < end && i < d.Length(); ++i) out += static_cast<char>(d.B(static_cast<int>(i)));
  return out;
}

}  // namespace zelvo
