#pragma once
// Short information messages: packets reassembled in a cache.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

struct DecodeContext;

// One of the service classes a short information message belongs to.
struct TShortInfoServiceClass {
  const char* Name;
  bool Num;  // the class carries a number
  bool Sym;  // the class carries a symbol
  std::span<const char* const> SymNames;
};

int ShortInfoServiceCount();
// "Unknown" outside 0 to 22.
std::string ShortInfoServiceName(int serviceClass);
bool ShortInfoHasNumber(int serviceClass);
bool ShortInfoHasSymbol(int serviceClass);
int ShortInfoSymbolCount(int serviceClass);
// "Unknown" when the class or the symbol is out of range.
std::string ShortInfoSymbolName(int serviceClass, int symbol);

inline constexpr int kShortInfoNoNumber = -99999;
inline constexpr int kShortInfoNoSymbol = -1;

// One message being reassembled.
struct TShortInfoCacheEntry {
  std::string CacheLineId;  // source key + service class as two hex digits
  std::string TimeStamp;    // when the first seen packet arrived
  int LastPacketRecvd = 0;
  int TotalPackets = 0;  // index of the last packet, as the first seen packet announced
  int Number = kShortInfoNoNumber;
  int Symbol = kShortInfoNoSymbol;
  int Timeout = 0;  // ticks left; 0 timed out, -1 finished
  bool MessageComplete = false;
  int BytesRcvd = 0;
  int TextLen = 0;
  std::string TextSoFar;  // UTF-8 bytes as received, with quote and gap marks
};

class TShortInfoCache {
 public:
  // Ticks an entry waits for its remaining packets.
  static constexpr int kTimeoutTicks = 10;
  // A flood of messages from distinct sources that never complete must not
  // fill memory: beyond this many entries the oldest one is dropped.
  static constexpr std::size_t kMaxEntries = 256;

  // Stores one packet whose `count` text bytes start at workspace byte
  // `first`; returns a remark for the packet's line (usually empty).
  std::string AddToCache(std::span<const std::uint8_t> workspace, const std::function<std::string()>& timeStampText,
                         const std::string& sourceKey, int serviceClass, int count, int first, int number, int symbol,
                         int lastPacket, int packet);
  // Counts every positive timeout down by one.
  void TimerTick();
  // Removes and returns the first finished or timed-out entry.
  std::optional<TShortInfoCacheEntry> GetExpired();

  std::size_t Size() const { return fCollection.size(); }

 private:
  struct Item {
    std::string Key;  // empty once the entry is finished
    TShortInfoCacheEntry Entry;
  };
  static void Finish(Item& item);

  std::vector<Item> fCollection;  // in arrival order
};

// The line of the next finished or timed-out message, or "" when none.
std::string TakeReconstructedMessage(DecodeContext& ctx, int flags);

// The line of one whole message. `text` is shown as it stands.
std::string ShortInfoMessageText(int flags, std::string_view route, std::string_view unit, bool complete,
                                 std::string_view text, int byteCount, int symbol, int number, int serviceClass,
                                 std::string_view timeStamp, int timeout, bool hexNumbers);

// `bytes` as valid UTF-8: every ill-formed or incomplete sequence becomes one
// U+FFFD REPLACEMENT CHARACTER.
std::string ValidUtf8(std::string_view bytes);

}  // namespace zelvo
