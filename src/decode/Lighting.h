#pragma once
// The lighting command set (lighting, trigger and enable control, labels) and
// the small tables that the other decoders and the command tabs share with it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "decode/DecodeContext.h"

namespace zelvo {

// A ramp command byte and how long the ramp takes. The byte of row i is
// 02 + 8 x i; 02 itself is the instantaneous "set to level".
struct RampRateEntry {
  std::uint8_t Byte;
  std::string_view Text;
};
inline constexpr std::array<RampRateEntry, 16> RampRateTexts{{
    {0x02, "0s"},
    {0x0A, "4s"},
    {0x12, "8s"},
    {0x1A, "12s"},
    {0x22, "20s"},
    {0x2A, "30s"},
    {0x32, "40s"},
    {0x3A, "1m"},
    {0x42, "1.5m"},
    {0x4A, "2m"},
    {0x52, "3m"},
    {0x5A, "5m"},
    {0x62, "7m"},
    {0x6A, "10m"},
    {0x72, "15m"},
    {0x7A, "17m"},
}};

// True for the sixteen ramp command bytes (02, 0A, 12 ... 7A).
constexpr bool IsRampCommand(int C) { return (C & 0x87) == 0x02; }
// The duration text of a ramp command byte; "" for any other byte.
std::string_view RampRateText(int C);

// Level and percent conversions (integer division, truncating).
constexpr int LevelToPercent(int level) { return (level + 2) * 100 / 255; }
constexpr int PercentToLevel(int percent) { return percent * 255 / 100; }
// A level as "50%" where the percentage maps back to exactly that level,
// otherwise as the number in the user's format.
std::string LevelText(int level, bool hexNumbers);

// The first parameter of a learn command; "-Unknown-" for other values.
std::string LearnTypeText(int value);

// Label language codes and their names.
struct LanguageEntry {
  std::uint8_t Code;
  std::string_view Name;
};
extern const std::array<LanguageEntry, 68> LanguageNames;
// The name of a language code; "" for a code not in the table.
std::string LanguageName(int code);

// The text after " Label, " of label command C at position k. The action
// selector byte is legal in the control applications only.
std::string DecodeLabelOptions(DecodeCall& d, int k, int C, bool actionAllowed);

}  // namespace zelvo
