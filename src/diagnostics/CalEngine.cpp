#include "diagnostics/CalEngine.h"

#include <algorithm>
#include <memory>

#include "link/Codec.h"
#include "link/Traffic.h"
#include "shell/Host.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

// Registers a reply list for the lifetime of one request, so that nested
// requests each see every line and none loses its list.
class WaitingRequest {
 public:
  explicit WaitingRequest(TrafficState& st) : st_(st), list_(std::make_shared<ReplyList>()) {
    st_.WaitingRequests.push_back(list_);
  }
  ~WaitingRequest() {
    auto& w = st_.WaitingRequests;
    w.erase(std::remove(w.begin(), w.end(), list_), w.end());
  }
  WaitingRequest(const WaitingRequest&) = delete;
  WaitingRequest& operator=(const WaitingRequest&) = delete;
  ReplyList& Lines() { return *list_; }

 private:
  TrafficState& st_;
  std::shared_ptr<ReplyList> list_;
};

struct Expectation {
  bool headerExpected = false;
  std::string route;  // R: empty accepts any route
};

Expectation ExpectedReplyHeader(Session& s, std::string_view command) {
  const auto& iface = s.Interface;
  const bool local = !IsToLocalPCI(s.Interface, command).empty();
  Expectation e;
  e.headerExpected = (iface.InterfaceOptions1 & kOptSmart) && ((iface.InterfaceOptions1 & kOptIdmon) || !local);
  if (!e.headerExpected || iface.PCIAddress < 0) return e;
  const std::string aa = HexOfSize(iface.PCIAddress, 1);
  if (local) {
    e.route = aa + aa + "00";
  } else if (!command.empty() && command[0] == '\\') {
    const int n = HexToInt(Mid(command, 6, 2)) / 9;
    e.route = std::string(Mid(command, 4, 2)) + aa + HexOfSize(n, 1) +
              std::string(Mid(command, 8, 2 * static_cast<std::size_t>(n)));
  }
  // A bare command for another unit carries no route to expect: any route
  // is accepted.
  return e;
}

// Takes lines from the front until one matches; returns it, or nullopt.
bool TakeMatch(ReplyList& lines, const Expectation& e, std::string_view pattern, std::string& result) {
  while (!lines.empty()) {
    std::string line = std::move(lines.front());
    lines.pop_front();
    if (e.headerExpected) {
      if (line.size() >= 2) {
        const std::string_view head = std::string_view(line).substr(0, 2);
        if (head != "06" && head != "86") continue;
        if (Mid(line, 3, e.route.size()) != e.route) continue;
      }
      const int h = HexToInt(Mid(line, 7, 2));
      line = std::string(Mid(line, 9 + 2 * static_cast<std::size_t>(h)));
    }
    if (StringsMatch(pattern, line)) {
      result = std::move(line);
      return true;
    }
  }
  return false;
}

std::string Request(Traffic& t, std::string_view command, std::string_view pattern, int retries, int delaySeconds) {
  Session& s = t.GetSession();
  Host& host = t.GetHost();
  WaitingRequest request(s.Traffic);
  const Expectation e = ExpectedReplyHeader(s, command);
  std::string result;
  for (int attempt = 0; attempt < std::max(retries, 1); ++attempt) {
    t.SendZelvoCommand(command);
    const std::int64_t t0 = host.TickMs();
    do {
      host.PumpOnce();
      host.Sleep(100);
      if (TakeMatch(request.Lines(), e, pattern, result)) return result;
    } while (host.TickMs() - t0 <= static_cast<std::int64_t>(delaySeconds) * 1000);
  }
  return {};
}

// Printable characters of `count` hex digits of the reply from position 5.
std::string ReplyText(const std::string& reply, std::size_t count, bool trim) {
  std::string text = HexToASCII(Mid(reply, 5, count));
  return trim ? Trim(text) : text;
}

std::string UnitRequest(Traffic& t, int unit, std::string_view code, std::string_view pattern, std::size_t count) {
  Session& s = t.GetSession();
  const std::string header = CALHeaderForUnit(s.User.Remote, t.GetHost(), unit);
  if (header.empty()) return {};  // invalid path: reported, nothing sent
  const std::size_t p = static_cast<std::size_t>(GetNetworkPathLength(s.User.Remote));
  return ReplyText(SendCALGetResponse(t, header + std::string(code), pattern, 3, 2), count + p, true);
}

}  // namespace

std::string SendCALGetResponse(Traffic& t, std::string_view Command, std::string_view ResponseFormat, int Retries,
                               int Delay) {
  return Request(t, Command, ResponseFormat, Retries, Delay);
}

std::string QTestSendCALGetResponse(Traffic& t, std::string_view Command) { return Request(t, Command, "8901*", 1, 2); }

int RecallParameterByte(Traffic& t, std::string_view Header, int Parameter) {
  const std::string pp = HexOfSize(Parameter & 0xFF, 1);
  const std::string reply = SendCALGetResponse(t, std::string(Header) + "1A" + pp + "01", "82" + pp + "*", 3, 2);
  return HexToInt(Mid(reply, 5, 2));
}

std::string GetPCIVersion(Traffic& t, std::string_view Header) {
  return ReplyText(SendCALGetResponse(t, std::string(Header) + "2102", "8902*", 3, 2), 14, true);
}

std::string GetUnitType(Traffic& t, int UnitAddress) { return UnitRequest(t, UnitAddress, "2101", "8901*", 16); }

std::string ReadUnitType(Traffic& t) {
  SetDefaultMode(t);
  return ReplyText(SendCALGetResponse(t, "2101", "8901*", 3, 2), 16, false);
}

std::string GetUnitFirmware(Traffic& t, int UnitAddress) { return UnitRequest(t, UnitAddress, "2102", "8902*", 12); }

std::string GetUnitVoltage(Traffic& t, int UnitAddress) { return UnitRequest(t, UnitAddress, "2107", "8607*", 10); }

std::string GetUnitCAL(Traffic& t, int UnitAddress, std::string_view attributeCode) {
  return UnitRequest(t, UnitAddress, "21" + std::string(attributeCode), "8*", 16);
}

void SetBasicMode(Traffic& t) { t.SendZelvoString("~~~", "Set Basic Mode"); }

void SetSmartMode(Traffic& t) {
  t.SendZelvoString("~~~", "Set Basic Mode");
  t.SendZelvoString("||", "Set Smart Mode");
}

void SetDefaultMode(Traffic& t) {
  t.SendZelvoString("~~~", "Set Basic Mode");
  t.SendZelvoString("A3300051", "Set Default Mode");
  t.Delay(0.2);
}

}  // namespace zelvo
