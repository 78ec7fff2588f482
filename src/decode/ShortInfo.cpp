#include "decode/ShortInfo.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "decode/Decoders.h"
#include "link/Codec.h"

namespace zelvo {

namespace {

constexpr std::array<const char*, 10> kWeatherSymbols = {"Sunny", "Cloudy", "Patchy",  "Rain",      "Snow",
                                                         "Storm", "Flood",  "Typhoon", "Hurricane", "Other Danger"};
constexpr std::array<const char*, 2> kEmailSymbols = {"No unread", "Some unread"};
constexpr std::array<const char*, 2> kVoicemailSymbols = {"No messages", "Some messages"};

constexpr std::array<TShortInfoServiceClass, 23> kServiceClasses = {{
    {"Generic Text", false, false, {}},
    {"Weather Forecast", true, true, kWeatherSymbols},
    {"Surf Report", true, false, {}},
    {"Tide Times", false, false, {}},
    {"Unread Emails", true, true, kEmailSymbols},
    {"Voicemail Count", true, true, kVoicemailSymbols},
    {"Stock Prices Ticker", false, false, {}},
    {"News Headline", false, false, {}},
    {"Other Headlines", false, false, {}},
    {"Air Quality Forecast", false, false, {}},
    {"UV Radiation Forecast", false, false, {}},
    {"Pollen Count", false, false, {}},
    {"Traffic Report", false, false, {}},
    {"Sports Result", false, false, {}},
    {"Horoscope", false, false, {}},
    {"Joke of the Day", false, false, {}},
    {"Trivia", false, false, {}},
    {"Appointments", false, false, {}},
    {"Things To Do", false, false, {}},
    {"Birthdays Today", false, false, {}},
    {"Management Notice", false, false, {}},
    {"Electrical Brownout Warning", false, false, {}},
    {"Irrigation", false, false, {}},
}};

const TShortInfoServiceClass* ServiceClass(int c) {
  if (c < 0 || c >= static_cast<int>(kServiceClasses.size())) return nullptr;
  return &kServiceClasses[static_cast<std::size_t>(c)];
}

// A number in tenths with one decimal: 235 "23.5", -5 "-0.5".
std::string TenthsText(int v) {
  const int a = std::abs(v);
  return (v < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

// Marks the text keeps: the opening quote, the mark of a missing start and
// the mark of a gap between the packets received.
constexpr std::string_view kOpenQuote = "\"";
constexpr std::string_view kMissingStart = "... \"";
constexpr std::string_view kGapMark = "\" ... \"";

}  // namespace

int ShortInfoServiceCount() { return static_cast<int>(kServiceClasses.size()); }

std::string ShortInfoServiceName(int serviceClass) {
  const auto* s = ServiceClass(serviceClass);
  return s ? s->Name : "Unknown";
}

bool ShortInfoHasNumber(int serviceClass) {
  const auto* s = ServiceClass(serviceClass);
  return s && s->Num;
}

bool ShortInfoHasSymbol(int serviceClass) {
  const auto* s = ServiceClass(serviceClass);
  return s && s->Sym;
}

int ShortInfoSymbolCount(int serviceClass) {
  const auto* s = ServiceClass(serviceClass);
  return s ? static_cast<int>(s->SymNames.size()) : 0;
}

std::string ShortInfoSymbolName(int serviceClass, int symbol) {
  const auto* s = ServiceClass(serviceClass);
  if (!s || symbol < 0 || symbol >= static_cast<int>(s->SymNames.size())) return "Unknown";
  return s->SymNames[static_cast<std::size_t>(symbol)];
}

std::string DecodeShortInfoCommand(DecodeCall& d, int k, int C) {
  if (C == 0x01) return "Info: " + ShortInfoServiceName(d.B(k + 1) & 0x3F) + ", Refresh";
  if (C < 0x80 || C > 0x9F) return "Info: Unknown";

  const int L = C & 0x1F;
  const int packetByte = d.B(k + 1);
  const int serviceByte = d.B(k + 2);
  const int P = packetByte & 7;
  const int T = (packetByte >> 3) & 7;
  const int S = serviceByte & 0x3F;
  std::string text =
      "Info: " + ShortInfoServiceName(S) + ", Packet " + std::to_string(P + 1) + " of " + std::to_string(T + 1);
  int h = 3;  // the first text byte, relative to k
  int number = kShortInfoNoNumber;
  int symbol = kShortInfoNoSymbol;
  if (P == 0) {
    // Only the first packet carries the number and the symbol.
    if (serviceByte & 0x40) {
      number = d.B(k + 3) * 256 + d.B(k + 4);
      if (number >= 0x8000) number -= 0x10000;
      text += ", Num = " + TenthsText(number);
      if (!ShortInfoHasNumber(S)) text += " (UNEXPECTED)";
      h = 5;
    } else if (ShortInfoHasNumber(S)) {
      text += ", MISSING NUMBER FIELD";
    }
    if (serviceByte & 0x80) {
      symbol = d.B(k + h);
      text += ", Symbol = " + d.NS(symbol) + " - " + ShortInfoSymbolName(S, symbol);
      if (!ShortInfoHasSymbol(S)) text += " (UNEXPECTED)";
      ++h;
    } else if (ShortInfoHasSymbol(S)) {
      text += ", MISSING SYMBOL FIELD";
    }
  }
  const int n = L - h + 1;  // the text bytes B(k+h) to B(k+L)
  text += ", " + std::to_string(n) + " bytes of text";
  if ((d.Flags & DecodeLive) && S < ShortInfoServiceCount()) {
    text += d.Ctx.ShortInfoCache.AddToCache(d.Ctx.Work.MessageBytes, d.Ctx.TimeStampText, d.SourceKey, S, n, k + h,
                                            number, symbol, T, P);
  }
  return text;
}

std::string TShortInfoCache::AddToCache(std::span<const std::uint8_t> workspace,
                                        const std::function<std::string()>& timeStampText, const std::string& sourceKey,
                                        int serviceClass, int count, int first, int number, int symbol, int lastPacket,
                                        int packet) {
  if (first < 0 || static_cast<std::size_t>(first) + static_cast<std::size_t>(std::max(count, 0)) > workspace.size())
    return ", !! Length Error !!";
  // A packet too short for its own number and symbol fields has no text.
  if (count < 0) count = 0;
  const auto text = workspace.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
  auto append = [](TShortInfoCacheEntry& e, auto bytes) {
    e.TextSoFar.append(bytes.begin(), bytes.end());
    e.TextLen = static_cast<int>(e.TextSoFar.size());
  };

  const std::string key = sourceKey + Hex2(serviceClass);
  auto it = std::find_if(fCollection.begin(), fCollection.end(), [&](const Item& i) { return i.Key == key; });
  if (it == fCollection.end()) {
    if (fCollection.size() >= kMaxEntries) fCollection.erase(fCollection.begin());
    Item item;
    item.Key = key;
    TShortInfoCacheEntry& e = item.Entry;
    e.CacheLineId = key;
    e.TimeStamp = timeStampText ? timeStampText() : std::string();
    e.LastPacketRecvd = packet;
    e.TotalPackets = lastPacket;
    e.Number = number;
    e.Symbol = symbol;
    e.Timeout = kTimeoutTicks;
    e.MessageComplete = packet == 0;
    append(e, packet == 0 ? kOpenQuote : kMissingStart);
    append(e, text);
    e.BytesRcvd = count;
    if (packet == lastPacket) Finish(item);
    fCollection.push_back(std::move(item));
    return {};
  }

  TShortInfoCacheEntry& e = it->Entry;
  // A new first packet while an older message from the same source and class
  // is still pending is dropped without remark.
  if (packet == 0) return {};
  if (packet <= e.LastPacketRecvd) return ", DUPLICATE OR OUT-OF-ORDER";
  if (packet > e.LastPacketRecvd + 1) {
    append(e, kGapMark);
    e.MessageComplete = false;
  }
  e.LastPacketRecvd = packet;
  append(e, text);
  e.BytesRcvd += count;
  if (lastPacket == e.TotalPackets && packet == lastPacket) Finish(*it);
  return {};
}

// The entry waits to be handed out; its key is cleared so that the next
// message from the same source and class starts a new entry.
void TShortInfoCache::Finish(Item& item) {
  item.Entry.TextSoFar += '"';
  item.Entry.TextLen = static_cast<int>(item.Entry.TextSoFar.size());
  item.Entry.Timeout = -1;
  item.Key.clear();
}

void TShortInfoCache::TimerTick() {
  for (auto& i : fCollection)
    if (i.Entry.Timeout > 0) --i.Entry.Timeout;
}

std::optional<TShortInfoCacheEntry> TShortInfoCache::GetExpired() {
  auto it = std::find_if(fCollection.begin(), fCollection.end(), [](const Item& i) { return i.Entry.Timeout <= 0; });
  if (it == fCollection.end()) return std::nullopt;
  TShortInfoCacheEntry e = std::move(it->Entry);
  fCollection.erase(it);
  return e;
}

std::string TakeReconstructedMessage(DecodeContext& ctx, int flags) {
  auto e = ctx.ShortInfoCache.GetExpired();
  if (!e) return {};
  // The key is the route (empty for a local message), the unit, the class.
  const std::string_view id = e->CacheLineId;
  const std::size_t n = id.size();
  const std::string_view cls = n >= 2 ? id.substr(n - 2) : id;
  const std::string_view unit = n >= 4 ? id.substr(n - 4, 2) : std::string_view();
  const std::string_view route = n >= 4 ? id.substr(0, n - 4) : std::string_view();
  const std::size_t len = std::min(e->TextSoFar.size(), static_cast<std::size_t>(std::max(e->TextLen, 0)));
  const std::string text = ValidUtf8(std::string_view(e->TextSoFar).substr(0, len));
  return ShortInfoMessageText(flags, route, unit, e->MessageComplete, text, e->BytesRcvd, e->Symbol, e->Number,
                              HexToInt(cls), e->TimeStamp, e->Timeout, ctx.HexNumbers);
}

std::string ShortInfoMessageText(int flags, std::string_view route, std::string_view unit, bool complete,
                                 std::string_view text, int byteCount, int symbol, int number, int serviceClass,
                                 std::string_view timeStamp, int timeout, bool hexNumbers) {
  std::string out;
  if (flags & DecodeShowNetwork) {
    if (route.empty())
      out += "Local Network, ";
    else
      out += "Network " + std::string(route) + ", ";
  }
  if (flags & DecodeShowUnit) {
    if (unit.empty())
      out += "Multipoint, ";
    else
      out += "Source Unit " + std::string(unit) + ", ";
  }
  if (flags & DecodeShowApplication) out += "Short Info Msg, ";
  out += "Info: " + ShortInfoServiceName(serviceClass) + ", ";
  if (timeout == 0 || !complete) out += "INCOMPLETE, ";
  if (timeout == 0) out += "TIMEOUT (message started " + std::string(timeStamp) + "), ";
  if (number >= kShortInfoNoNumber + 1) out += "Num = " + TenthsText(number) + ", ";
  if (symbol >= 0)
    out += "Symbol = " + NumberString(symbol, hexNumbers) + " - " + ShortInfoSymbolName(serviceClass, symbol) + ", ";
  out += std::to_string(byteCount) + " bytes of text = ";
  out += text;
  if (timeout == 0) out += "\" ...";
  return out;
}

std::string ValidUtf8(std::string_view bytes) {
  static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  auto at = [&](std::size_t j) { return static_cast<unsigned char>(bytes[j]); };
  while (i < n) {
    const unsigned char b = at(i);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    // The length of the sequence and the range its second byte must lie in
    // (which rules out overlong forms, surrogates and values past U+10FFFF).
    int len = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    }
    if (len == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    // Take the longest well-formed start; a broken sequence becomes one
    // replacement character and decoding resumes at the offending byte.
    std::size_t good = 1;
    while (good < static_cast<std::size_t>(len) && i + good < n) {
      const unsigned char c = at(i + good);
      const bool ok = good == 1 ? (c >= lo && c <= hi) : (c >= 0x80 && c <= 0xBF);
      if (!ok) break;
      ++good;
    }
    if (good == static_cast<std::size_t>(len))
      out.append(bytes.substr(i, good));
    else
      out += kReplacement;
    i += good;
  }
  return out;
}

}  // namespace zelvo
