#pragma once
// Fixed code-to-text tables of the application decoders.

#include <span>
#include <string_view>

namespace zelvo {

struct CodeText {
  int Code;
  const char* Text;
};

// The text of the first row with this code, or the fallback.
inline std::string_view FindCodeText(std::span<const CodeText> table, int code, std::string_view fallback) {
  for (const CodeText& row : table)
    if (row.Code == code) return row.Text;
  return fallback;
}

}  // namespace zelvo
