#pragma once
// Number entry: the items of the number combo boxes in the current number
// format, the range check of a typed entry, and the floating-point edits.
// The Qt combo boxes only hold what these functions produce.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class Host;

inline constexpr int kInvalidRangedNumber = -99999;

enum class NumberListKind {
  Integer,   // Start .. Start + Size - 1 in the current number format
  Decimal,   // the same run, always decimal
  WithAll,   // an integer list followed by "All"
  Language,  // "n - name" where the language has a name
};

// A number combo box's contents: its kind, its first value (the "tag") and
// the count of numbers it lists.
struct NumberList {
  NumberListKind Kind = NumberListKind::Integer;
  int Start = 0;
  int Size = 0;
};

// The items of a list. `languageName` gives the name of language n ("" for
// none); only the language list uses it.
std::vector<std::string> NumberListItems(const NumberList& list, bool hexNumbers,
                                         const std::function<std::string(int)>& languageName = {});

// The number in `text` (the part before the first blank), or
// kInvalidRangedNumber after the range message.
int ReadRangedNumber(Host& host, std::string_view text, int low, int high, bool hexNumbers);
std::string RangeErrorText(int low, int high, bool hexNumbers);

// The integer-combo check: the item index the text stands for, or nullopt
// after the range message (the caller gives the box the focus back).
std::optional<int> CheckIntegerComboText(Host& host, const NumberList& list, std::string_view text, bool hexNumbers);

// The floating-point edits with a range of their own.
enum class FloatingEditKind { Other, HvacTemperature, ShortInfoNumber };
// `value` is the edit's text converted in the user's locale (nullopt when it
// is not a number). Shows the message and returns false on a bad entry.
bool CheckFloatingValue(Host& host, FloatingEditKind kind, std::optional<double> value);

std::string DataEntryModeText(bool hexNumbers);

}  // namespace zelvo
