#pragma once
// Network control (application 255) and the status replies that units send
// back to MMI requests; the identify attributes a unit can be asked for.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// An identify attribute: its name and its code as two hex digits.
struct IdentifyAttribute {
  std::string_view Name;
  std::string_view Code;
};
// In the order the identify list offers them.
extern const std::array<IdentifyAttribute, 77> IdentifyAttributes;

// The 77 names in list order.
std::vector<std::string> IdentifyAttributeNames();
// The code of the first attribute named exactly `name`; "00" for no match.
std::string IdentifyAttributeCode(std::string_view name);

// The coding byte of an extended status reply: local or not, and the kind.
std::string StatusCodingText(int coding);

}  // namespace zelvo
