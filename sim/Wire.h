#pragma once
// Small pieces of the wire format that the simulator and its tests share:
// bytes as hex text, the bus checksum, the level code of level MMI replies,
// the six-bit packed names, and a repeatable random source.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::sim {

using Bytes = std::vector<std::uint8_t>;

// Upper-case hex, two digits per byte.
std::string HexOfBytes(const Bytes& bytes);
// Bytes of an even-length hex text; false on anything else.
bool BytesOfHex(std::string_view hex, Bytes& out);
// The byte that makes the sum of `bytes` and itself a multiple of 256.
std::uint8_t ChecksumOf(const Bytes& bytes);

// A level MMI sends each bit of a 4-bit value as two bits, 1 as 01 and 0 as
// 10, most significant first: 15 -> 55, 0 -> AA.
std::uint8_t EncodeLevelNibble(int value);

// Eight characters in six bytes, six bits each ("!" is code 0); code 30 pads
// a shorter name. Characters outside "!".."`" are sent as padding.
std::array<std::uint8_t, 6> PackName(std::string_view name);

// splitmix64: fully defined, so a seed gives the same run on every platform.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1 (n > 0).
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }

 private:
  std::uint64_t state_;
};

}  // namespace zelvo::sim
