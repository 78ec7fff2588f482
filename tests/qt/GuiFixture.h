#pragma once
// Helpers of the GUI tests: loopback servers (one that never answers, one
// with the simulated interface behind it), waiting with the event loop
// running, and a main window in test mode.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/qt/MainForm.h"
#include "shell/qt/QSettingsStore.h"
#include "shell/qt/QtHost.h"
#include "sim/SimulatedPci.h"

namespace zelvo::test {

QString& SettingsFolder();

// Runs the event loop until `done` or `ms` have passed; returns `done()`.
inline bool WaitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// A loopback port where nothing listens.
inline quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

// Accepts connections and never sends anything.
class SilentServer : public QObject {
 public:
  SilentServer() {
    server.listen(QHostAddress::LocalHost, 0);
    connect(&server, &QTcpServer::newConnection, this, [this] {
      client = server.nextPendingConnection();
      connect(client, &QTcpSocket::disconnected, this, [this] { disconnected = true; });
    });
  }
  QTcpServer server;
  QTcpSocket* client = nullptr;
  bool disconnected = false;
};

// The simulated interface on a loopback TCP port, as zelvo-pci-sim serves it.
class SimServer : public QObject {
 public:
  SimServer() {
    clock.start();
    server.listen(QHostAddress::LocalHost, 0);
    connect(&server, &QTcpServer::newConnection, this, [this] {
      client = server.nextPendingConnection();
      pci.Connect();
      connect(client, &QTcpSocket::readyRead, this, [this] {
        const QByteArray in = client->readAll();
        pci.Receive(std::string_view(in.constData(), static_cast<std::size_t>(in.size())), clock.elapsed());
      });
    });
    connect(&pump, &QTimer::timeout, this, [this] {
      if (!client) return;
      const std::string out = pci.TakeOutput(clock.elapsed());
      if (!out.empty()) client->write(out.data(), static_cast<qint64>(out.size()));
    });
    pump.start(5);
  }
  quint16 Port() const { return server.serverPort(); }
  // The interface goes away: the connection is dropped from its side.
  void Drop() {
    if (client) client->disconnectFromHost();
  }

  sim::SimulatedPci pci;
  QTcpServer server;
  QTcpSocket* client = nullptr;
  QTimer pump;
  QElapsedTimer clock;
};

// A main window on a fresh settings store, boxes recorded and answered.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings().clear();
    host.SetTestMode(true);
  }
  void TearDown() override {
    form.reset();
    QSettings().clear();
  }
  TMainForm& Start(std::vector<std::string> args = {}) {
    form = std::make_unique<TMainForm>(host, store, CommandLine(std::move(args)));
    form->show();
    return *form;
  }
  // Closes the window as the user does; the settings are written.
  void Close() {
    form->close();
    form.reset();
    store.Sync();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : host.messages) texts.push_back(m.Text);
    return texts;
  }

  QtHost host;
  QSettingsStore store;
  std::unique_ptr<TMainForm> form;
};

}  // namespace zelvo::test
