#include "diagnostics/MmiCapture.h"

#include <array>

#include "link/Codec.h"

namespace zelvo {

int LevelNibble(int b) {
  int value = 0;
  for (int shift = 6; shift >= 0; shift -= 2) {
    const int pair = (b >> shift) & 3;
    if (pair == 1)
      value = value * 2 + 1;
    else if (pair == 2)
      value = value * 2;
    else
      return -1;
  }
  return (b & ~0xFF) ? -1 : value;
}

namespace {

// A reply too long or too short for the layout stops the capture where it
// stands: entries written stay, MMILastIndex keeps its previous value.
struct CaptureStop {};

}  // namespace

void CaptureMMIReply(MmiScanState& mmi, std::string_view m) {
  if (m.size() < 8 || m.size() > 200) return;
  const std::size_t n = m.size() / 2;
  std::array<int, 101> d{};  // D[1..100]; positions beyond the reply read 0
  for (std::size_t k = 1; k <= n && k <= 100; ++k) d[k] = HexToInt(m.substr(2 * k - 2, 2));
  auto D = [&](int pos) {
    if (pos < 1 || pos > 100) throw CaptureStop{};
    return d[static_cast<std::size_t>(pos)];
  };
  auto store = [&](int index, int value) {
    if (index > 255) throw CaptureStop{};
    mmi.MMIResults[static_cast<std::size_t>(index)] = value;
  };
  try {
    int P = D(1) == 0x86 ? D(4) + 5 : 1;
    if (mmi.MMIType == kMmiLevel) {
      const int c = D(P);
      if (c < 0xE0) return;
      mmi.MMIApplication = static_cast<std::uint8_t>(D(P + 2));
      int j = D(P + 3);
      const int count = (c - 227) / 2;
      for (int k = 1; k <= count; ++k) {
        const int lo = D(P + 2 * k + 2);
        const int hi = D(P + 2 * k + 3);
        int value;
        if (lo == 0 && hi == 0)
          value = -2;
        else if (LevelNibble(lo) < 0 || LevelNibble(hi) < 0)
          value = -1;
        else
          value = LevelNibble(hi) * 16 + LevelNibble(lo);
        store(j, value);
        ++j;
      }
      mmi.MMILastIndex = static_cast<std::uint8_t>(j - 1);
    } else if (mmi.MMIType == kMmiInstallation || mmi.MMIType == kMmiApplication) {
      const int c = D(P);
      if (c < 0xC0) return;
      int count;
      if (c <= 0xE0) {
        count = c - 0xC2;
      } else {
        P += 1;
        count = c - 0xE3;
      }
      mmi.MMIApplication = static_cast<std::uint8_t>(D(P + 1));
      int i = D(P + 2);
      for (int k = 1; k <= count; ++k) {
        const int b = D(P + k + 2);
        for (int l = 0; l <= 3; ++l) {
          store(i, (b >> (2 * l)) & 3);
          ++i;
        }
      }
      mmi.MMILastIndex = static_cast<std::uint8_t>(i - 1);
    }
  } catch (const CaptureStop&) {
  }
}

}  // namespace zelvo
