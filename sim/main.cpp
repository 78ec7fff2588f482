// zelvo-pci-sim: a simulated PC Interface and network, served on a TCP port
// (like a network interface) and/or on a pseudo-terminal (like a serial
// PCI), so that the diagnostic tool can connect to it.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/SimulatedPci.h"

namespace {

using zelvo::sim::Fault;
using zelvo::sim::SimulatedPci;

volatile std::sig_atomic_t gStop = 0;
void OnStopSignal(int) { gStop = 1; }

constexpr std::size_t kMaxPending = 4 * 1024 * 1024;  // bytes kept for a slow reader
constexpr double kFloodRate = 5000;

constexpr const char* kUsage = R"(Usage: zelvo-pci-sim [options]

A simulated PC Interface with a network of units behind it.

  --tcp [ADDR:]PORT   serve on TCP (default 127.0.0.1:14000; loopback unless
                      an address is given; port 0 picks a free port)
  --pty [LINK]        serve on a pseudo-terminal; prints its device path and,
                      with LINK, makes a symbolic link to it (e.g. /tmp/zelvo-pci)
  --network FILE      units and settings from an INI file (see --dump-network)
  --dump-network      print the built-in network as an INI file and exit
  --traffic RATE      background messages per second (decimal)
  --flood             background traffic at 5000 messages per second
  --fault NAME[:N]    switch a fault on (repeatable): no-answer, ack-only,
                      drop-after:N (bytes), corrupt-byte[:N] (every Nth line),
                      no-clock, corrupt-transmission, delay-replies[:MS]
  --seed N            seed of the simulation's randomness
  --log               print what is received and sent on standard error
  --help              this text

Without --tcp and --pty, TCP on 127.0.0.1:14000 is served. Each transport has
its own simulated interface and serves one client at a time.
)";

[[noreturn]] void UsageError(const std::string& what) {
  std::cerr << "zelvo-pci-sim: " << what << " (try --help)\n";
  std::exit(2);
}

std::int64_t NowMs() {
  using namespace std::chrono;
  static const auto start = steady_clock::now();
  return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

// Control characters shown as <CR>, <LF> or <n>, as the tool's monitor does.
std::string Visible(std::string_view bytes) {
  std::string out;
  for (char ch : bytes) {
    auto c = static_cast<unsigned char>(ch);
    if (c == 13)
      out += "<CR>";
    else if (c == 10)
      out += "<LF>";
    else if (c < 32 || c >= 127)
      out += "<" + std::to_string(c) + ">";
    else
      out += ch;
  }
  return out;
}

void SetNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

struct Options {
  bool tcp = false;
  std::string tcpAddress = "127.0.0.1";
  int tcpPort = 14000;
  bool pty = false;
  std::string ptyLink;
  std::string networkFile;
  std::optional<double> traffic;
  std::optional<std::uint64_t> seed;
  std::vector<std::pair<Fault, int>> faults;
  bool log = false;
};

// One way in: a TCP listener with its client, or a pseudo-terminal.
struct Transport {
  std::string name;
  std::unique_ptr<SimulatedPci> pci;
  int listenFd = -1;
  int clientFd = -1;  // the connected client, or the pty master
  int ptySlaveFd = -1;
  bool isPty = false;
  std::string pending;  // output the reader has not taken yet
};

bool ParseNumber(const std::string& s, long long lo, long long hi, long long& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(s.c_str(), &end, 10);
  if (errno || *end || v < lo || v > hi) return false;
  out = v;
  return true;
}

Options ParseArguments(int argc, char** argv) {
  Options o;
  auto optionalValue = [&](int& i) -> std::optional<std::string> {
    if (i + 1 < argc && argv[i + 1][0] != '-') return std::string(argv[++i]);
    return std::nullopt;
  };
  auto value = [&](int& i, const char* option) {
    if (i + 1 >= argc) UsageError(std::string(option) + " needs a value");
    return std::string(argv[++i]);
  };
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help") {
      std::cout << kUsage;
      std::exit(0);
    } else if (a == "--dump-network") {
      std::cout << zelvo::sim::DefaultNetworkIni();
      std::exit(0);
    } else if (a == "--tcp") {
      o.tcp = true;
      if (auto v = optionalValue(i)) {
        auto colon = v->rfind(':');
        std::string port = colon == std::string::npos ? *v : v->substr(colon + 1);
        if (colon != std::string::npos) o.tcpAddress = v->substr(0, colon);
        long long p = 0;
        if (!ParseNumber(port, 0, 65535, p)) UsageError("--tcp needs [ADDR:]PORT with a port 0 to 65535: " + *v);
        o.tcpPort = static_cast<int>(p);
        in_addr probe{};
        if (inet_pton(AF_INET, o.tcpAddress.c_str(), &probe) != 1)
          UsageError("--tcp needs a numeric IPv4 address: " + o.tcpAddress);
      }
    } else if (a == "--pty") {
      o.pty = true;
      if (auto v = optionalValue(i)) o.ptyLink = *v;
    } else if (a == "--network") {
      o.networkFile = value(i, "--network");
    } else if (a == "--traffic") {
      std::string v = value(i, "--traffic");
      char* end = nullptr;
      double rate = std::strtod(v.c_str(), &end);
      if (*end || v.empty() || rate < 0 || rate > 100000) UsageError("--traffic needs messages per second: " + v);
      o.traffic = rate;
    } else if (a == "--flood") {
      o.traffic = kFloodRate;
    } else if (a == "--fault") {
      std::string v = value(i, "--fault");
      auto colon = v.find(':');
      auto fault = zelvo::sim::FaultFromName(v.substr(0, colon));
      if (!fault) UsageError("unknown fault " + v.substr(0, colon));
      long long n = 0;
      if (colon != std::string::npos && !ParseNumber(v.substr(colon + 1), 0, 1'000'000'000, n))
        UsageError("--fault " + v.substr(0, colon) + " needs a number after ':': " + v);
      o.faults.emplace_back(*fault, static_cast<int>(n));
    } else if (a == "--seed") {
      long long n = 0;
      std::string v = value(i, "--seed");
      if (!ParseNumber(v, 0, 0x7FFFFFFFFFFFFFFF, n)) UsageError("--seed needs a decimal number: " + v);
      o.seed = static_cast<std::uint64_t>(n);
    } else if (a == "--log") {
      o.log = true;
    } else {
      UsageError("unknown option " + a);
    }
  }
  if (!o.tcp && !o.pty) o.tcp = true;
  return o;
}

std::unique_ptr<SimulatedPci> MakePci(const zelvo::sim::NetworkConfig& config, const Options& o) {
  auto pci = std::make_unique<SimulatedPci>(config, o.seed.value_or(config.Seed));
  for (auto [fault, n] : o.faults) pci->SetFault(fault, n);
  if (o.traffic) pci->SetTrafficRate(*o.traffic);
  return pci;
}

int OpenListener(const Options& o, int& port) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return -1;
  int one = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(o.tcpPort));
  inet_pton(AF_INET, o.tcpAddress.c_str(), &addr.sin_addr);
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) < 0 || listen(fd, 4) < 0) {
    int saved = errno;
    close(fd);
    errno = saved;
    return -1;
  }
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  port = ntohs(addr.sin_port);
  SetNonBlocking(fd);
  return fd;
}

// A pseudo-terminal in raw mode. We keep the slave side open ourselves, so
// the master never reads as hung up while no client has it open, and a client
// can come and go. Serial control lines (DTR, RTS) have no meaning on a pty;
// a client's attempt to set them fails on its side and changes nothing here.
bool OpenPty(Transport& t, std::string& path) {
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) < 0 || unlockpt(master) < 0) return false;
  const char* name = ptsname(master);
  if (!name) return false;
  path = name;
  int slave = open(name, O_RDWR | O_NOCTTY);
  if (slave < 0) return false;
  termios tio{};
  tcgetattr(slave, &tio);
  cfmakeraw(&tio);
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(slave, TCSANOW, &tio);
  SetNonBlocking(master);
  t.clientFd = master;
  t.ptySlaveFd = slave;
  return true;
}

void CloseClient(Transport& t, const Options& o) {
  if (t.isPty || t.clientFd < 0) return;
  close(t.clientFd);
  t.clientFd = -1;
  t.pending.clear();
  if (o.log) std::cerr << "[" << t.name << "] client disconnected\n";
}

void Flush(Transport& t, const Options& o) {
  while (!t.pending.empty() && t.clientFd >= 0) {
    ssize_t n = t.isPty ? write(t.clientFd, t.pending.data(), t.pending.size())
                        : send(t.clientFd, t.pending.data(), t.pending.size(), MSG_NOSIGNAL);
    if (n > 0) {
      t.pending.erase(0, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
    CloseClient(t, o);
    return;
  }
}

void Deliver(Transport& t, const Options& o, std::int64_t now) {
  std::string out = t.pci->TakeOutput(now);
  if (!out.empty() && t.clientFd >= 0) {
    if (o.log) std::cerr << "[" << t.name << "] " << now << " >> " << Visible(out) << "\n";
    t.pending += out;
    if (t.pending.size() > kMaxPending) {
      if (o.log)
        std::cerr << "[" << t.name << "] reader too slow: dropping " << t.pending.size() - kMaxPending << " bytes\n";
      t.pending.erase(0, t.pending.size() - kMaxPending);
    }
    Flush(t, o);
  }
  if (t.pci->Dropped() && !t.isPty && t.clientFd >= 0) {
    Flush(t, o);
    if (o.log) std::cerr << "[" << t.name << "] dropping the connection (fault drop-after)\n";
    CloseClient(t, o);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o = ParseArguments(argc, argv);

  zelvo::sim::NetworkConfig config;
  try {
    config = o.networkFile.empty() ? zelvo::sim::DefaultNetwork() : zelvo::sim::LoadNetworkFile(o.networkFile);
  } catch (const zelvo::sim::ConfigError& e) {
    std::cerr << "zelvo-pci-sim: " << e.what() << "\n";
    return 2;
  }

  std::signal(SIGPIPE, SIG_IGN);
  struct sigaction stop {};
  stop.sa_handler = OnStopSignal;
  sigemptyset(&stop.sa_mask);
  sigaction(SIGINT, &stop, nullptr);
  sigaction(SIGTERM, &stop, nullptr);

  std::vector<Transport> transports;
  if (o.tcp) {
    Transport t;
    int port = 0;
    t.listenFd = OpenListener(o, port);
    if (t.listenFd < 0) {
      std::cerr << "zelvo-pci-sim: cannot listen on " << o.tcpAddress << ":" << o.tcpPort << ": "
                << std::strerror(errno) << "\n";
      return 1;
    }
    t.name = "tcp";
    t.pci = MakePci(config, o);
    std::cout << "zelvo-pci-sim: listening on " << o.tcpAddress << ":" << port << std::endl;
    transports.push_back(std::move(t));
  }
  bool linkMade = false;
  if (o.pty) {
    Transport t;
    t.isPty = true;
    t.name = "pty";
    std::string path;
    if (!OpenPty(t, path)) {
      std::cerr << "zelvo-pci-sim: cannot open a pseudo-terminal: " << std::strerror(errno) << "\n";
      return 1;
    }
    t.pci = MakePci(config, o);
    t.pci->Connect();
    std::cout << "zelvo-pci-sim: pty " << path << std::endl;
    if (!o.ptyLink.empty()) {
      struct stat st {};
      if (lstat(o.ptyLink.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
          std::cerr << "zelvo-pci-sim: " << o.ptyLink << " exists and is not a symbolic link\n";
          return 1;
        }
        unlink(o.ptyLink.c_str());
      }
      if (symlink(path.c_str(), o.ptyLink.c_str()) < 0) {
        std::cerr << "zelvo-pci-sim: cannot link " << o.ptyLink << ": " << std::strerror(errno) << "\n";
        return 1;
      }
      linkMade = true;
      std::cout << "zelvo-pci-sim: link " << o.ptyLink << " -> " << path << std::endl;
    }
    transports.push_back(std::move(t));
  }

  std::vector<pollfd> fds;
  char buffer[4096];
  while (!gStop) {
    std::int64_t now = NowMs();
    std::int64_t timeout = 1000;
    for (auto& t : transports) {
      Deliver(t, o, now);
      std::int64_t next = t.pci->NextOutputMs();
      if (next != INT64_MAX) timeout = std::min(timeout, std::max<std::int64_t>(1, next - now));
    }

    fds.clear();
    for (auto& t : transports) {
      if (t.listenFd >= 0) fds.push_back({t.listenFd, POLLIN, 0});
      if (t.clientFd >= 0)
        fds.push_back({t.clientFd, static_cast<short>(POLLIN | (t.pending.empty() ? 0 : POLLOUT)), 0});
    }
    if (poll(fds.data(), fds.size(), static_cast<int>(timeout)) < 0) {
      if (errno == EINTR) continue;
      std::cerr << "zelvo-pci-sim: poll: " << std::strerror(errno) << "\n";
      break;
    }
    now = NowMs();
    for (const auto& p : fds) {
      if (!p.revents) continue;
      for (auto& t : transports) {
        if (p.fd == t.listenFd) {
          int fd = accept(t.listenFd, nullptr, nullptr);
          if (fd < 0) continue;
          if (t.clientFd >= 0) {  // one client at a time
            close(fd);
            if (o.log) std::cerr << "[" << t.name << "] refused a second client\n";
            continue;
          }
          SetNonBlocking(fd);
          t.clientFd = fd;
          t.pci->Connect();
          if (o.log) std::cerr << "[" << t.name << "] client connected\n";
        } else if (p.fd == t.clientFd) {
          if (p.revents & POLLOUT) Flush(t, o);
          if (t.clientFd < 0 || !(p.revents & (POLLIN | POLLHUP | POLLERR))) continue;
          ssize_t n = read(t.clientFd, buffer, sizeof buffer);
          if (n > 0) {
            std::string_view in(buffer, static_cast<std::size_t>(n));
            if (o.log) std::cerr << "[" << t.name << "] " << now << " << " << Visible(in) << "\n";
            t.pci->Receive(in, now);
          } else if (n == 0 || (errno != EAGAIN && errno != EINTR && !t.isPty)) {
            CloseClient(t, o);
          }
        }
      }
    }
  }

  for (auto& t : transports) {
    if (t.clientFd >= 0) close(t.clientFd);
    if (t.listenFd >= 0) close(t.listenFd);
    if (t.ptySlaveFd >= 0) close(t.ptySlaveFd);
  }
  if (linkMade) unlink(o.ptyLink.c_str());
  return 0;
}
