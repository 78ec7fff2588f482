#pragma once
// The traffic engine: the transmit pipeline (completing, showing, tracking
// and writing commands) and the receive stream assembler (cutting the
// interface's character stream into messages and handing each to its
// consumers in a fixed order). All of it runs on the one UI thread.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class Host;
class Link;
class MonitorPort;
struct Session;

// A received message longer than this has lost its terminator: it is
// completed here and counted as faulty, so the buffer cannot grow unbounded.
inline constexpr std::size_t kMaxReceiveBuffer = 4096;
inline constexpr std::size_t kErrorHistoryLines = 6;

struct RunFlags {
  bool PciReady = true;       // an acknowledgement character arrived since the last send
  bool PciResponded = false;  // a confirmation character arrived since the probe
  bool RunActive = false;     // a lighting toggle or random run is going
  bool FullSpeedRun = false;  // ... at full speed, paced by acknowledgements
  bool QualityTestShown = false;
};

// The lines a waiting request sees. Requests may nest (a wait pumps the
// queue, so a handler can start a second request inside the first's wait):
// each has its own list, and every completed line goes to every waiting one.
using ReplyList = std::deque<std::string>;

struct TrafficState {
  std::string ReceiveBuffer;
  char NextAckChar = 'g';
  RunFlags Flags;
  std::vector<std::shared_ptr<ReplyList>> WaitingRequests;  // innermost last
  std::deque<std::string> ErrorHistory;                     // at most 6 lines
  bool AnalyserLogToFile = false;
  std::uint64_t OverlongMessages = 0;  // completed at the buffer cap

  bool AwaitingReply() const { return !WaitingRequests.empty(); }
};

class Traffic {
 public:
  Traffic(Session& session, Host& host, MonitorPort& monitor);

  void SetLink(Link* link) { link_ = link; }
  Link* GetLink() const { return link_; }
  bool CommsIsOpen() const;

  // Transmit.
  void SendZelvoCommand(std::string_view s);
  void SendZelvoString(std::string_view s, std::string_view DecodedString);
  void CommsSendString(std::string_view s);
  // Waits at least `seconds` (at least one 100 ms step) with the queue running.
  void Delay(double seconds);

  // Receive.
  void ProcessReceivedText(std::string_view s);
  void DisplayReconstructedMessages(int Options);

  Session& GetSession() { return session_; }
  Host& GetHost() { return host_; }
  MonitorPort& Monitor() { return monitor_; }

 private:
  void CompleteMessage();

  Session& session_;
  Host& host_;
  MonitorPort& monitor_;
  Link* link_ = nullptr;
};

// The printable text of a received rendering for "Show ASCII": the bytes of
// its hex pairs, "_" for unprintable ones.
std::string ShowAsciiText(std::string_view b);

}  // namespace zelvo
