#pragma once
// The text form of bus messages: every byte is two hex digits. These helpers
// build, check and convert such texts and the numbers users type.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zelvo {

class Host;

// Raised by HexToInt for a text with more than seven significant hex digits:
// the value would not fit in 31 bits.
class HexOverflowError : public std::overflow_error {
 public:
  HexOverflowError() : std::overflow_error("Integer overflow") {}
};

bool IsHexDigit(char c);
// The value 0..15 of a hex digit, -1 for any other character.
int HexDigitValue(char c);
// Characters [pos1, pos1 + count) of s, counted from 1 as the bus texts are;
// whatever lies beyond s is empty.
std::string_view Mid(std::string_view s, std::size_t pos1, std::size_t count = std::string_view::npos);
bool IsHexString(std::string_view s);
// Skips every character that is not a hex digit; "" and "xyz" give 0.
int HexToInt(std::string_view s);
// HexToInt clamped to 0..255, as two upper-case digits.
std::string HexByte(std::string_view s);
// At least 2 x size digits; negatives in 32-bit two's complement, cut to size.
std::string HexOfSize(long long n, int size);
// Two's-complement checksum of the hex pairs of s (a "\" or "@" is skipped).
std::string MakeChecksum(std::string_view s);

// Number entry and display in the user's number format (hexadecimal while
// "Hexadecimal Numbers" is on). StringToNumber returns -1 on any failure.
int StringToNumber(std::string_view s, bool hexNumbers);
std::string NumberStringSized(int n, int size, bool hexNumbers);
std::string NumberString(int n, bool hexNumbers);

std::string ASCIIToHex(std::string_view s);
// Printable characters (32..126) of the hex pairs of s; others are dropped.
std::string HexToASCII(std::string_view s);

// Reply patterns: "?" matches any character; a trailing "*" matches any rest.
bool StringsMatch(std::string_view StringFormat, std::string_view MatchString);

inline constexpr int kMaxTokens = 100;
struct TTokenList {
  std::array<std::string, kMaxTokens> Token{};  // Token[0] is the first token
  int TokenCount = 0;
};
// Splits s at any character of `separators`; double quotes protect separators.
void SplitTokens(std::string_view s, std::string_view separators, TTokenList& list);

// Trims leading and trailing blanks and control characters (codes 0..32).
std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);
std::string UpperCase(std::string_view s);

// The speed bar's "Remote Network" tick and "Path" edit.
struct RemoteNetworkSelection {
  bool Enabled = false;
  std::string Path;  // upper-case hex, 1 to 6 bytes without separators
};

inline constexpr int kMaxNetworkPathBytes = 6;
inline constexpr const char* kInvalidRemoteNetworkPath = "Invalid Remote Network Path.";

// True when not ticked or when the path is valid; otherwise reports
// "Invalid Remote Network Path." through the host and returns false.
bool CheckRemoteNetworkPath(const RemoteNetworkSelection& remote, Host& host);
// Route byte of a remote header: nine times the number of path bytes.
std::string RouteByte(int pathBytes);
std::string SALHeader(const RemoteNetworkSelection& remote, Host& host, int App);
std::string CALHeaderForUnit(const RemoteNetworkSelection& remote, Host& host, int UnitAddress);
// The CAL tab's header: a unit, or the interface itself ("@" from 4.00 on).
std::string CALHeader(const RemoteNetworkSelection& remote, Host& host, bool otherUnit, int unitIndex, int pciVersion);
// Characters (not bytes) of a ticked, even-length path; otherwise 0.
int GetNetworkPathLength(const RemoteNetworkSelection& remote);

}  // namespace zelvo
