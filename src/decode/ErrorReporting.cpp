#include "decode/ErrorReporting.h"

#include <array>
#include <iterator>

#include "decode/CodeTable.h"
#include "decode/Decoders.h"
#include "link/Codec.h"

namespace zelvo {

namespace {

// Category codes: the high byte is the unit class, bits 6-7 of the low byte
// travel in the top of the flags byte.
constexpr CodeText kErrorCategories[] = {
    {0x5000, "Input:Key Unit"},
    {0x5100, "Input:Telecommand"},
    {0x5200, "Input:Digital Temperature Sensor"},
    {0xB000, "BMS:Diagnostic"},
    {0xD000, "Output:LE Mono Dimmer"},
    {0xD100, "Output:TE Mono Dimmer"},
    {0xDD00, "Output:Uni Mono Dimmer"},
    {0xD400, "Output:Relay"},
    {0xD600, "Output:PWM Dimmer"},
    {0xD700, "Output:Sine Dimmer"},
    {0xDA00, "Output:DALI/DSI/Ballast"},
    {0xDB00, "Output:Modular Dimmer"},
    {0xDE00, "Output:Device Controller"},
};
static_assert(std::size(kErrorCategories) == 13);

constexpr std::array<const char*, 5> kSeverities{"All OK", "OK", "Minor Failure", "General Failure", "Extreme Failure"};

// Flag bits of the flags byte, in the order they are listed.
constexpr CodeText kErrorFlags[] = {
    {0x20, "MostRecent, "},
    {0x10, "Ack, "},
    {0x08, "MostSevere, "},
};

std::string SeverityText(int flagsByte) {
  const int severity = flagsByte & 7;
  if (severity < static_cast<int>(kSeverities.size())) return kSeverities[static_cast<std::size_t>(severity)];
  return "Severity " + std::to_string(severity);
}

std::string FlagsText(int flagsByte) {
  std::string out;
  for (const CodeText& flag : kErrorFlags)
    if (flagsByte & flag.Code) out += flag.Text;
  return out.empty() ? "None, " : out;
}

}  // namespace

std::vector<std::string> ErrorCategoryNames() {
  std::vector<std::string> names;
  names.reserve(std::size(kErrorCategories));
  for (const CodeText& row : kErrorCategories) names.emplace_back(row.Text);
  return names;
}

std::string ErrorCategoryText(int code) {
  return std::string(FindCodeText(kErrorCategories, code, "Unknown System Category"));
}

int ErrorCategoryCode(std::string_view name) {
  for (const CodeText& row : kErrorCategories)
    if (name == row.Text) return row.Code;
  return 0;
}

// Parameters: category high byte, flags byte (category bits 6-7, flags,
// severity), unit, data word (big-endian).
std::string DecodeErrorReportingCommand(DecodeCall& d, int k, int C) {
  std::string text;
  bool withSeverity = true;
  switch (C) {
    case 0x05:  // the older form of the report
    case 0x15: text = "Error Report: "; break;
    case 0x25: text = "Error Acknowledge: "; break;
    case 0x35:
      text = "Error Clear_Most_Severe: ";
      withSeverity = false;
      break;
    default: return "Error: Unknown";
  }
  const int flagsByte = d.B(k + 2);
  text += ErrorCategoryText(d.B(k + 1) * 256 + (flagsByte & 0xC0));
  text += ", Device " + d.NS(d.B(k + 3)) + ", ";
  if (withSeverity) text += SeverityText(flagsByte) + ", ";
  text += "Flags: " + FlagsText(flagsByte) + "Data = " + HexOfSize(d.B(k + 4) * 256 + d.B(k + 5), 2);
  return text;
}

}  // namespace zelvo
