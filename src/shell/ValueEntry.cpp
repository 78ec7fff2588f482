#include "shell/ValueEntry.h"

#include <cmath>

#include "link/Codec.h"
#include "shell/Host.h"

namespace zelvo {

std::vector<std::string> NumberListItems(const NumberList& list, bool hexNumbers,
                                         const std::function<std::string(int)>& languageName) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(list.Size > 0 ? list.Size + 1 : 1));
  for (int i = 0; i < list.Size; ++i) {
    const int n = list.Start + i;
    switch (list.Kind) {
      case NumberListKind::Decimal: items.push_back(std::to_string(n)); break;
      case NumberListKind::Language: {
        std::string item = NumberString(n, hexNumbers);
        const std::string name = languageName ? languageName(n) : std::string();
        if (!name.empty()) item += " - " + name;
        items.push_back(std::move(item));
        break;
      }
      case NumberListKind::Integer:
      case NumberListKind::WithAll: items.push_back(NumberString(n, hexNumbers)); break;
    }
  }
  if (list.Kind == NumberListKind::WithAll) items.emplace_back("All");
  return items;
}

std::string RangeErrorText(int low, int high, bool hexNumbers) {
  return "Invalid input, must be a number in the range " + NumberString(low, hexNumbers) + " to " +
         NumberString(high, hexNumbers);
}

int ReadRangedNumber(Host& host, std::string_view text, int low, int high, bool hexNumbers) {
  const auto blank = text.find(' ');
  int v = StringToNumber(text.substr(0, blank), hexNumbers);
  // A negative range in hex reads a byte with bit 7 set as a signed byte.
  if (hexNumbers && low < 0 && v >= 0 && (v & 0x80)) v = static_cast<int>(static_cast<unsigned>(v) | ~0xFFu);
  if (v >= low && v <= high) return v;
  host.Message(MsgIcon::Error, RangeErrorText(low, high, hexNumbers), MsgButtons::Ok);
  return kInvalidRangedNumber;
}

std::optional<int> CheckIntegerComboText(Host& host, const NumberList& list, std::string_view text, bool hexNumbers) {
  // "All" is an item of its own, beyond the run of numbers.
  if (list.Kind == NumberListKind::WithAll && text == "All") return list.Size;
  // The decimal list always reads decimal.
  const bool hex = list.Kind == NumberListKind::Decimal ? false : hexNumbers;
  const int v = ReadRangedNumber(host, text, list.Start, list.Start + list.Size - 1, hex);
  if (v == kInvalidRangedNumber) return std::nullopt;
  return v - list.Start;
}

bool CheckFloatingValue(Host& host, FloatingEditKind kind, std::optional<double> value) {
  if (!value || !std::isfinite(*value)) {
    host.Message(MsgIcon::Error, "Invalid floating point number ", MsgButtons::Ok);
    return false;
  }
  switch (kind) {
    case FloatingEditKind::HvacTemperature:
      if (*value < -128.0 || *value > 127.0) {
        host.Message(MsgIcon::Error, "Temperature must be in the range -128.0 to +127.0 degrees C", MsgButtons::Ok);
        return false;
      }
      return true;
    case FloatingEditKind::ShortInfoNumber: {
      const double tenths = std::trunc(*value * 10.0);
      if (tenths < -32768.0 || tenths > 32767.0) {
        host.Message(MsgIcon::Error, "Short Message Number must be in the range -3276.8 to +3276.7", MsgButtons::Ok);
        return false;
      }
      return true;
    }
    case FloatingEditKind::Other: return true;
  }
  return true;
}

std::string DataEntryModeText(bool hexNumbers) {
  return hexNumbers ? "Data Entry Mode: HEXADECIMAL" : "Data Entry Mode: DECIMAL";
}

}  // namespace zelvo
