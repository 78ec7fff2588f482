#include "sim/Wire.h"

namespace zelvo::sim {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::string HexOfBytes(const Bytes& bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (auto b : bytes) {
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
  }
  return out;
}

bool BytesOfHex(std::string_view hex, Bytes& out) {
  out.clear();
  if (hex.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    int hi = DigitValue(hex[i]), lo = DigitValue(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
  }
  return true;
}

std::uint8_t ChecksumOf(const Bytes& bytes) {
  unsigned sum = 0;
  for (auto b : bytes) sum += b;
  return static_cast<std::uint8_t>((256 - sum % 256) % 256);
}

std::uint8_t EncodeLevelNibble(int value) {
  unsigned code = 0;
  for (int bit = 3; bit >= 0; --bit) code = (code << 2) | (((value >> bit) & 1) ? 1u : 2u);
  return static_cast<std::uint8_t>(code);
}

std::array<std::uint8_t, 6> PackName(std::string_view name) {
  std::uint64_t n = 0;
  for (int i = 0; i < 8; ++i) {
    unsigned code = 30;
    if (i < static_cast<int>(name.size())) {
      auto c = static_cast<unsigned char>(name[static_cast<std::size_t>(i)]);
      if (c >= 33 && c <= 96 && c != 63) code = c - 33u;
    }
    n = (n << 6) | code;
  }
  std::array<std::uint8_t, 6> out{};
  for (int i = 5; i >= 0; --i, n >>= 8) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n & 0xFF);
  return out;
}

}  // namespace zelvo::sim
