#pragma once
// Media transport decoding state: name packets waiting for their last packet.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

// The packets of track, selection and category names seen so far, in arrival
// order. Each entry is a 12-character key ("GG|00|WW|PP|": media link group,
// 0, name position code, packet number) followed by the packet's text.
class MediaNameFragments {
 public:
  // A stream of packets that never completes a name must not grow the list
  // without end: beyond this many entries the oldest ones are dropped.
  static constexpr std::size_t kMaxEntries = 256;

  // The key of one packet, and the 9-character prefix shared by every packet
  // of one name.
  static std::string Key(int group, int position, int packet);
  static std::string KeyPrefix(int group, int position);

  void Add(std::string_view key, std::string_view text);
  // Removes every entry whose key begins with the prefix.
  void RemovePrefix(std::string_view prefix);
  // Removes the first entry with this key and returns its text.
  std::optional<std::string> Take(std::string_view key);

  std::size_t Size() const { return fEntries.size(); }
  const std::deque<std::string>& Entries() const { return fEntries; }

 private:
  std::deque<std::string> fEntries;
};

}  // namespace zelvo
