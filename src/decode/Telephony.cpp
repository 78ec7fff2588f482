#include "decode/CodeTable.h"
#include "decode/Decoders.h"
#include "decode/MessageChars.h"

namespace zelvo {

namespace {

// The first parameter of every telephony command is a message identifier.
constexpr CodeText kLineEvents[] = {
    {1, "Line On Hook"},
    {7, "Internet Connection Request"},
    {130, "Reject Incoming Call"},
    {132, "Clear Diversion"},
};

// Command 0A: identifier and one value.
constexpr CodeText kDialOutFailures[] = {
    {1, "Dial Out Failure - No Dial Tone"},
    {2, "Dial Out Failure - No Answer"},
    {3, "Dial Out Failure - No Valid Acknowledgement"},
    {4, "Dial Out Failure - Number Unobtainable"},
    {5, "Dial Out Failure - Number Busy"},
};

constexpr CodeText kDialInFailures[] = {
    {1, "Dial In Failure - Stopped Ringing"},
};

constexpr CodeText kSecondaryOutlet[] = {
    {0, "Secondary Outlet Normal"},
    {1, "Secondary Outlet Isolated"},
};

constexpr CodeText kRecallRequests[] = {
    {1, "Recall Last Outgoing Number"},
    {2, "Recall Last Incoming Number"},
};

// Identifier 2: the line went off hook, with the number after the status.
constexpr CodeText kLineStatus[] = {
    {1, "Line Off Hook - Incoming Voice"}, {2, "Line Off Hook - Incoming Data"},
    {3, "Line Off Hook - Incoming Other"}, {16, "Line Off Hook - Outgoing Voice"},
    {32, "Line Off Hook - Outgoing Data"}, {48, "Line Off Hook - Outgoing Other"},
};

std::string ValueEventText(const DecodeCall& d, int k, int id) {
  const auto value = [&] { return static_cast<int>(d.B(k + 2)); };
  switch (id) {
    case 3: return std::string(FindCodeText(kDialOutFailures, value(), "Unknown 0A03 cmd"));
    case 4: return std::string(FindCodeText(kDialInFailures, value(), "Unknown 0A04 cmd"));
    case 128: return std::string(FindCodeText(kSecondaryOutlet, value(), "Unknown 0A80 cmd"));
    case 129: return std::string(FindCodeText(kRecallRequests, value(), "Unknown 0A81 cmd"));
    default: return {};
  }
}

// Longer commands carry a number: T parameter bytes in all, the identifier
// (and for some a status byte) first.
std::string NumberEventText(const DecodeCall& d, int k, int C, int id) {
  const int T = C & 0x1F;
  switch (id) {
    case 2:
      return std::string(FindCodeText(kLineStatus, d.B(k + 2), "Unknown 02 cmd")) + " " +
             MessageCharsText(d, k + 3, T - 2);
    case 5: return "Ringing " + MessageCharsText(d, k + 3, T - 2);
    case 6: return "Recall Last Number Response " + MessageCharsText(d, k + 3, T - 2);
    case 131: return "Divert to " + MessageCharsText(d, k + 2, T - 1);
    default: return "Unknown cmd";
  }
}

}  // namespace

std::string DecodeTelephonyCommand(DecodeCall& d, int k, int C) {
  const int id = d.B(k + 1);
  const std::string text = "Tele: ";
  switch (C) {
    case 0x09: return text + std::string(FindCodeText(kLineEvents, id, "Unknown 09 cmd"));
    case 0x0A: return text + ValueEventText(d, k, id);
    default: return text + NumberEventText(d, k, C, id);
  }
}

}  // namespace zelvo
