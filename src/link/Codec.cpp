#include "link/Codec.h"

#include <cstdint>

#include "shell/Host.h"

namespace zelvo {

namespace {

constexpr char kHexUpper[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// Reads hex digits only; fails on anything else or a value beyond 32 bits.
bool ParseHexDigits(std::string_view s, std::uint32_t& out) {
  if (s.empty()) return false;
  std::uint64_t value = 0;
  for (char c : s) {
    int d = HexValue(c);
    if (d < 0) return false;
    value = value * 16 + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFull) return false;
  }
  out = static_cast<std::uint32_t>(value);
  return true;
}

}  // namespace

bool IsHexDigit(char c) { return HexValue(c) >= 0; }

int HexDigitValue(char c) { return HexValue(c); }

std::string_view Mid(std::string_view s, std::size_t pos1, std::size_t count) {
  if (pos1 < 1 || pos1 > s.size()) return {};
  return s.substr(pos1 - 1, count);
}

bool IsHexString(std::string_view s) {
  if (s.empty() || s.size() % 2 != 0) return false;
  for (char c : s)
    if (!IsHexDigit(c)) return false;
  return true;
}

int HexToInt(std::string_view s) {
  std::int32_t value = 0;
  int significant = 0;
  for (char c : s) {
    int d = HexValue(c);
    if (d < 0) continue;
    if (significant > 0 || d != 0) ++significant;
    if (significant > 7) throw HexOverflowError();
    value = value * 16 + d;
  }
  return value;
}

std::string HexByte(std::string_view s) {
  int v = HexToInt(s);
  if (v < 0) v = 0;
  if (v > 255) v = 255;
  return HexOfSize(v, 1);
}

std::string HexOfSize(long long n, int size) {
  if (size < 1) size = 1;
  std::string digits;
  if (n < 0) {
    auto u = static_cast<std::uint32_t>(static_cast<std::int64_t>(n));
    for (int i = 0; i < 8; ++i, u >>= 4) digits.insert(digits.begin(), kHexUpper[u & 0xF]);
    const std::size_t keep = static_cast<std::size_t>(2 * size);
    if (digits.size() > keep) digits.erase(0, digits.size() - keep);
    return digits;
  }
  auto u = static_cast<std::uint64_t>(n);
  do {
    digits.insert(digits.begin(), kHexUpper[u & 0xF]);
    u >>= 4;
  } while (u != 0);
  while (digits.size() < static_cast<std::size_t>(2 * size)) digits.insert(digits.begin(), '0');
  return digits;
}

std::string MakeChecksum(std::string_view s) {
  unsigned sum = 0;
  std::size_t p = 0;
  while (p + 1 < s.size()) {
    int hi = HexValue(s[p]);
    int lo = HexValue(s[p + 1]);
    if (hi >= 0 && lo >= 0) {
      sum += static_cast<unsigned>(hi * 16 + lo);
      p += 2;
    } else {
      p += 1;
    }
  }
  return HexOfSize((256 - (sum % 256)) % 256, 1);
}

int StringToNumber(std::string_view s, bool hexNumbers) {
  std::uint32_t u = 0;
  if (hexNumbers) return ParseHexDigits(s, u) ? static_cast<std::int32_t>(u) : -1;

  std::size_t p = 0;
  while (p < s.size() && s[p] == ' ') ++p;
  bool negative = false;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
  std::string_view rest = s.substr(p);
  if (rest.empty()) return -1;

  std::string_view hexDigits;
  bool isHex = false;
  if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
    hexDigits = rest.substr(1);
    isHex = true;
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    hexDigits = rest.substr(2);
    isHex = true;
  }
  if (isHex) {
    if (!ParseHexDigits(hexDigits, u)) return -1;
    auto v = static_cast<std::int32_t>(u);
    return negative ? static_cast<std::int32_t>(0u - u) : v;
  }

  std::int64_t value = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return -1;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return -1;
  return static_cast<int>(value);
}

std::string NumberStringSized(int n, int size, bool hexNumbers) {
  return hexNumbers ? HexOfSize(n, size) : std::to_string(n);
}

std::string NumberString(int n, bool hexNumbers) { return NumberStringSized(n, 1, hexNumbers); }

std::string ASCIIToHex(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (char c : s) {
    auto b = static_cast<unsigned char>(c);
    out += kHexUpper[b >> 4];
    out += kHexUpper[b & 0xF];
  }
  return out;
}

std::string HexToASCII(std::string_view s) {
  std::string out;
  for (std::size_t p = 0; p + 1 < s.size(); p += 2) {
    int hi = HexValue(s[p]);
    int lo = HexValue(s[p + 1]);
    if (hi < 0 || lo < 0) continue;
    int b = hi * 16 + lo;
    if (b >= 32 && b <= 126) out += static_cast<char>(b);
  }
  return out;
}

bool StringsMatch(std::string_view StringFormat, std::string_view MatchString) {
  std::string_view pattern = StringFormat;
  if (!pattern.empty() && pattern.back() == '*') {
    pattern.remove_suffix(1);
    if (MatchString.size() < pattern.size()) return false;
  } else if (MatchString.size() != pattern.size()) {
    return false;
  }
  for (std::size_t i = 0; i < pattern.size(); ++i)
    if (pattern[i] != '?' && pattern[i] != MatchString[i]) return false;
  return true;
}

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
  return s;
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

void SplitTokens(std::string_view s, std::string_view separators, TTokenList& list) {
  list.TokenCount = 0;
  for (auto& t : list.Token) t.clear();
  auto isSeparator = [&](char c) { return separators.find(c) != std::string_view::npos; };
  std::size_t p = 0;
  while (p < s.size() && list.TokenCount < kMaxTokens) {
    while (p < s.size() && isSeparator(s[p])) ++p;
    std::string token;
    bool collected = false;
    bool quoted = false;
    while (p < s.size() && (quoted || !isSeparator(s[p]))) {
      if (s[p] == '"')
        quoted = !quoted;
      else
        token += s[p];
      collected = true;
      ++p;
    }
    if (collected) list.Token[static_cast<std::size_t>(list.TokenCount++)] = Trim(token);
  }
}

bool CheckRemoteNetworkPath(const RemoteNetworkSelection& remote, Host& host) {
  if (!remote.Enabled) return true;
  // A path has at most six bytes: beyond that there is no route byte.
  if (IsHexString(remote.Path) && remote.Path.size() <= 2 * kMaxNetworkPathBytes) return true;
  host.Message(MsgIcon::Error, kInvalidRemoteNetworkPath, MsgButtons::Ok);
  return false;
}

std::string RouteByte(int pathBytes) { return HexOfSize(9 * pathBytes, 1); }

namespace {
// "\03" / "\06" + first path byte + route byte + the rest of the path.
std::string RemoteRoute(const RemoteNetworkSelection& remote) {
  const std::string path = UpperCase(remote.Path);
  return path.substr(0, 2) + RouteByte(static_cast<int>(path.size() / 2)) + path.substr(2);
}
}  // namespace

std::string SALHeader(const RemoteNetworkSelection& remote, Host& host, int App) {
  if (!CheckRemoteNetworkPath(remote, host)) return {};
  const std::string aa = HexOfSize(App & 0xFF, 1);
  if (remote.Enabled) return "\\03" + RemoteRoute(remote) + aa;
  return "\\05" + aa + "00";
}

std::string CALHeaderForUnit(const RemoteNetworkSelection& remote, Host& host, int UnitAddress) {
  if (!CheckRemoteNetworkPath(remote, host)) return {};
  const std::string uu = HexOfSize(UnitAddress & 0xFF, 1);
  if (remote.Enabled) return "\\06" + RemoteRoute(remote) + uu;
  return "\\06" + uu + "00";
}

std::string CALHeader(const RemoteNetworkSelection& remote, Host& host, bool otherUnit, int unitIndex, int pciVersion) {
  if (otherUnit) return CALHeaderForUnit(remote, host, unitIndex);
  return pciVersion >= 1024 ? "@" : "~~~";
}

int GetNetworkPathLength(const RemoteNetworkSelection& remote) {
  if (remote.Enabled && remote.Path.size() % 2 == 0) return static_cast<int>(remote.Path.size());
  return 0;
}

}  // namespace zelvo
