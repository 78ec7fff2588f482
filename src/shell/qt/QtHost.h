#pragma once
// The Host port on Qt: the event pump, the monotonic clock, the user's date
// and time formats, message and input boxes, file choosers and the system
// viewer. In test mode no box is shown: each is recorded and answered from
// a queue, so offscreen tests never block.

#include <QElapsedTimer>
#include <QObject>
#include <deque>
#include <string>
#include <vector>

#include "shell/Host.h"

class QWidget;

namespace zelvo {

struct ShownMessage {
  MsgIcon Icon;
  std::string Text;
  MsgButtons Buttons;
};

class QtHost : public QObject, public Host {
  Q_OBJECT
 public:
  QtHost();

  void PumpOnce() override;
  void Sleep(int ms) override;
  std::int64_t TickMs() override;
  DateTime Now() override;
  std::string ShortDate(const DateTime& t) override;
  std::string LongTime(const DateTime& t) override;
  MsgResult Message(MsgIcon icon, std::string_view text, MsgButtons buttons) override;
  std::optional<std::string> InputBox(std::string_view title, std::string_view prompt,
                                      std::string_view initial) override;
  std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view filter) override;
  std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view filter,
                                            std::string_view suggested) override;
  void OpenWithSystemViewer(const std::string& path) override;
  std::string DataFolder() override;

  // Test mode: boxes are recorded and answered (default Ok / Yes, or the
  // next queued answer); input boxes and file choosers take queued texts.
  void SetTestMode(bool on) { testMode_ = on; }
  bool TestMode() const { return testMode_; }
  std::vector<ShownMessage> messages;
  std::deque<MsgResult> answers;
  std::deque<std::optional<std::string>> inputs;
  std::vector<std::string> opened;

 signals:
  void messageShown(const QString& text);

 private:
  QWidget* DialogParent() const;
  std::optional<std::string> NextInput();

  QElapsedTimer clock_;
  bool testMode_ = false;
};

}  // namespace zelvo
