#pragma once
// The main window: monitor panes above, application tabs below, the menus
// and the speed bar. It owns the session, the monitor, the traffic engine
// and the link for the whole run, and drives the core from its handlers.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "link/Connect.h"
#include "link/Traffic.h"
#include "monitor/Monitor.h"
#include "shell/CommandLine.h"
#include "shell/ProgramSettings.h"
#include "shell/Session.h"
#include "shell/qt/NumberComboRegistry.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPrinter;
class QSplitter;
class QTabWidget;
class QToolButton;

namespace zelvo {

class MonitorMemo;
class QtHost;
class QtLink;
class TOptionsForm;
class TWhatsNewForm;

class TMainForm : public QMainWindow, private Connector {
  Q_OBJECT
 public:
  TMainForm(QtHost& host, SettingsStore& store, CommandLine commandLine, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Runs a handler that calls into the core; an exception becomes an error
  // box and the program goes on.
  void Guard(const std::function<void()>& f);

  // For the windows and tests around the main window.
  Session& GetSession() { return session_; }
  Traffic& GetTraffic() { return *traffic_; }
  MonitorState& Monitor() { return monitorState_; }
  ProgramSettings& Settings() { return settings_; }
  QtLink& Link() { return *link_; }
  // A menu item or speed button by its caption (for example "&Print").
  QAction* Action(const std::string& caption) const;
  QWidget* TabPage(int tab, int page = 0) const;
  TOptionsForm* OptionsForm() const { return optionsForm_; }
  TWhatsNewForm* WhatsNewForm() const { return whatsNewForm_; }
  MonitorMemo* TransmitMemo;
  MonitorMemo* ReceiveMemo;
  QLabel* TransmitHeader;
  QLabel* ReceiveHeader;
  QSplitter* ListsSplitter;
  QTabWidget* PageControl;
  QWidget* ControlButtonPanel;
  QLabel* DataEntryModeLabel;
  QLabel* SBWarningLabel;
  QLabel* ClockLabel;
  QCheckBox* SBScrollLockCheckBox;
  QListWidget* ErrorHistoryListBox;
  QTimer StartupTimer;
  QTimer ClockTimer;
  QTimer ShortInfoTimer;

  // The handlers.
  void ZelvoConnecttoZelvoItemClick();
  void SBRepairSerialButtonClick();
  void SBClearSpeedButtonClick();
  void SBScrollLockCheckBoxClick();
  void ZelvoCommentMenuItemClick();
  void FontPopupOnClick();
  void OptionsProgramOptionsItemClick();
  // "Program Options" OK: takes the dialog's values and applies them.
  void ApplyProgramOptions(bool linkWasOpen);
  // "Setup" in "Program Options": the serial line for this run.
  void OptionsSerialSetup(const QString& port);
  void OptionsLogCommandsItemClick();
  void GetPciDataClick(bool fromButtonOrMenu);
  void TabItemClick(int position);
  void StartupTimerTimer();
  void ClockTimerTimer();
  void ShortInfoTimerTimer();
  void HelpContentsItemClick();
  void HelpWhatsNewItemClick();
  void HelpAboutItemClick();
  void HelpApplicationSupportItemClick();
  void FilePrintItemClick();
  void FilePrintSetupItemClick();

  void ShowTabs();
  void EnableItems() override;
  void MainFormUpdateCaption() override;
  void SetLists();
  void UpdateWordWrap();
  void UpdateWarningLabel();
  void SetHexNumbers(bool hex);
  void RefreshErrorHistory();
  // Rebuilds the decode options from the four settings.
  void ApplyDecodeOptions();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Connector: what the connect command drives.
  bool CommsOpen() override;
  void CommsClose() override;
  bool ConnectedMark() const override;
  void SetConnectedMark(bool on) override;
  void ClearLists() override;

  void FormCreate();
  void FormShow();
  bool FormCloseQuery();
  void FormDestroy();
  void BuildMenus();
  void BuildSpeedBar();
  void BuildPanes();
  void BuildTabs();
  void HideAtStart();
  QAction* AddAction(QMenu* menu, const std::string& caption, std::function<void()> handler, bool checkable = false);
  void ApplyMonitorOptions();
  LinkSettings CurrentLinkSettings() const;

  QtHost& host_;
  SettingsStore& store_;
  CommandLine commandLine_;
  ProgramSettings settings_;
  Session session_;
  MonitorState& monitorState_ = session_.Monitor;
  std::unique_ptr<MonitorModel> monitor_;
  std::unique_ptr<Traffic> traffic_;
  LinkFlags linkFlags_;
  QtLink* link_ = nullptr;
  TOptionsForm* optionsForm_ = nullptr;
  TWhatsNewForm* whatsNewForm_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  std::map<std::string, QAction*> actions_;
  std::vector<QAction*> tabItems_;
  std::map<int, std::vector<QWidget*>> tabPages_;
  NumberComboRegistry combos_;
  bool shown_ = false;
  bool destroyed_ = false;
  bool startupConnect_ = false;
  bool connecting_ = false;
  bool optionsLinkOpen_ = false;
  bool connectedMark_ = false;  // "Connect to Zelvo" is ticked: connected
};

}  // namespace zelvo
