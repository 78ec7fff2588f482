#include "shell/qt/MainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QScreen>
#include <QTabWidget>

#include "decode/Decode.h"
#include "link/qt/OptionsForm.h"
#include "link/qt/QtLink.h"
#include "shell/ApplicationException.h"
#include "shell/Caption.h"
#include "shell/EnableRules.h"
#include "shell/Tabs.h"
#include "shell/qt/DocumentViewer.h"
#include "shell/qt/QtHost.h"
#include "zelvo/Version.h"

namespace zelvo {

TMainForm::TMainForm(QtHost& host, SettingsStore& store, CommandLine commandLine, QWidget* parent)
    : QMainWindow(parent), host_(host), store_(store), commandLine_(std::move(commandLine)) {
  monitor_ = std::make_unique<MonitorModel>(monitorState_, session_.Decoder, host_);
  traffic_ = std::make_unique<Traffic>(session_, host_, *monitor_);
  session_.Decoder.TimeStampText = [this] { return TimeStampText(monitorState_.Display.Options, host_); };
  link_ = new QtLink(*traffic_, host_, linkFlags_, [this](const std::function<void()>& f) { Guard(f); });
  link_->setParent(this);
  traffic_->SetLink(link_);
  FormCreate();
  // The windows made at start, after the main window.
  optionsForm_ = new TOptionsForm(settings_, this);
  whatsNewForm_ = new TWhatsNewForm(store_, this);
  connect(optionsForm_, &TOptionsForm::serialSetupRequested, this, &TMainForm::OptionsSerialSetup);
  connect(optionsForm_, &QDialog::accepted, this, [this] { Guard([this] { ApplyProgramOptions(optionsLinkOpen_); }); });
}

TMainForm::~TMainForm() {
  FormDestroy();
  traffic_->SetLink(nullptr);
}

void TMainForm::Guard(const std::function<void()>& f) { Guarded(host_, f); }

void TMainForm::FormCreate() {
  setObjectName(QStringLiteral("MainForm"));
  QApplication::setApplicationDisplayName(QString());
  BuildMenus();
  BuildSpeedBar();
  BuildPanes();
  BuildTabs();
  HideAtStart();
  connect(link_, &QtLink::socketError, this,
          [this] { Guard([this] { CommsClientSocketError(host_, *this, linkFlags_); }); });
  connect(link_, &QtLink::received, this, &TMainForm::RefreshErrorHistory);
  StartupTimer.setSingleShot(true);
  connect(&StartupTimer, &QTimer::timeout, this, &TMainForm::StartupTimerTimer);
  connect(&ClockTimer, &QTimer::timeout, this, &TMainForm::ClockTimerTimer);
  connect(&ShortInfoTimer, &QTimer::timeout, this, &TMainForm::ShortInfoTimerTimer);
  ClockTimer.start(1000);
  ShortInfoTimer.start(1000);
  MainFormUpdateCaption();
  EnableItems();
  UpdateWarningLabel();
  installEventFilter(this);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  Guard([this] { FormShow(); });
}

void TMainForm::FormShow() {
  LoadProgramSettings(store_, settings_);
  if (WhatsNewShouldShow(store_, kProgramVersion)) HelpWhatsNewItemClick();
  ApplyDecodeOptions();
  ShowTabs();
  SetHexNumbers(settings_.HexNumbers);
  ApplyMonitorOptions();
  UpdateWordWrap();
  const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const FormPlacement p = SetFormSize(store_, "Main", screenArea.width(), screenArea.height());
  if (p.Maximised) {
    setWindowState(Qt::WindowMaximized);
  } else {
    setWindowState(Qt::WindowNoState);
    setGeometry(screenArea.x() + p.Left, screenArea.y() + p.Top, p.Width, p.Height);
  }
  SetLists();
  ApplyDecodeOptions();
  startupConnect_ = ApplyCommandLine(commandLine_, settings_, host_).StartupConnect;
  if (startupConnect_) StartupTimer.start(500);
  MainFormUpdateCaption();
}

bool TMainForm::FormCloseQuery() {
  // No project data is edited in this window, so nothing asks to be saved.
  return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  FormDestroy();
}

void TMainForm::FormDestroy() {
  if (destroyed_ || !shown_) return;
  destroyed_ = true;
  Guard([this] {
    ApplyMonitorOptions();
    SaveProgramSettings(store_, settings_);
    const QRect g = isMaximized() ? normalGeometry() : geometry();
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect();
    SaveFormSize(store_, "Main", {g.x() - screenArea.x(), g.y() - screenArea.y(), g.width(), g.height(), false});
    link_->CommsClose();
    if (monitorState_.Log.Enabled) SetLogCommands(monitorState_.Log, host_, false);
  });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The window sees the Scroll Lock key before its controls do.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_ScrollLock) {
    SBScrollLockCheckBox->setChecked(!SBScrollLockCheckBox->isChecked());
    SBScrollLockCheckBoxClick();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

LinkSettings TMainForm::CurrentLinkSettings() const {
  return {settings_.ConnectionType, settings_.COMPort, settings_.IPAddress, settings_.Port, settings_.UseMRAHandshake};
}

bool TMainForm::CommsOpen() { return link_->CommsOpen(CurrentLinkSettings()); }
void TMainForm::CommsClose() { link_->CommsClose(); }
bool TMainForm::ConnectedMark() const { return connectedMark_; }

void TMainForm::SetConnectedMark(bool on) {
  connectedMark_ = on;
  Action("Connect to Zelvo")->setChecked(on);
}

void TMainForm::ZelvoConnecttoZelvoItemClick() {
  // Connecting waits up to eleven seconds with the queue running; a second
  // click meanwhile is ignored rather than nested inside the first.
  // The menu item toggles its tick when clicked: the command sets it.
  Action("Connect to Zelvo")->setChecked(connectedMark_);
  if (connecting_) return;
  connecting_ = true;
  Guard([this] {
    zelvo::ZelvoConnecttoZelvoItemClick(*traffic_, *this, CurrentLinkSettings(), linkFlags_, settings_.ShowPCIData);
  });
  connecting_ = false;
}

void TMainForm::StartupTimerTimer() {
  StartupTimer.stop();
  linkFlags_.AutoConnecting = true;
  ZelvoConnecttoZelvoItemClick();
  linkFlags_.AutoConnecting = false;
  if (commandLine_.HasSwitch("/logging") && !monitorState_.Log.Enabled) OptionsLogCommandsItemClick();
}

void TMainForm::MainFormUpdateCaption() {
  const std::string linkName =
      link_->IsOpen() ? CaptionLinkName(settings_.ConnectionType, settings_.IPAddress, settings_.COMPort) : "";
  setWindowTitle(QString::fromStdString(zelvo::MainFormUpdateCaption(linkName, "")));
}

namespace {

void EnableChildren(QWidget* parent, bool on) {
  for (QWidget* w : parent->findChildren<QWidget*>()) w->setEnabled(on);
}

}  // namespace

void TMainForm::EnableItems() {
  const bool responded = session_.Traffic.Flags.PciResponded;
  const int version = session_.Interface.PCIVersion;
  for (const EnableRule& rule : EnableRules()) {
    const bool on = ItemEnabled(rule.Need, responded, version);
    if (rule.Item == kControlButtonPanel) {
      EnableChildren(ControlButtonPanel, on);
    } else if (rule.Item == kApplicationTabs) {
      for (int i = 0; i < PageControl->count(); ++i) EnableChildren(PageControl->widget(i), on);
    } else if (QAction* a = Action(std::string(rule.Item))) {
      a->setEnabled(on);
    }
  }
}

void TMainForm::ShowTabs() {
  for (const TabInfo& tab : TabList()) {
    const bool shown = TabShown(settings_, tab.Index);
    for (QWidget* page : tabPages_[tab.Index]) PageControl->setTabVisible(PageControl->indexOf(page), shown);
    tabItems_[static_cast<std::size_t>(tab.Index)]->setChecked(settings_.ShowTab[static_cast<std::size_t>(tab.Index)]);
  }
}

void TMainForm::TabItemClick(int position) {
  zelvo::TabItemClick(settings_, position);
  ShowTabs();
}

void TMainForm::ApplyDecodeOptions() {
  SetDecodeOptions(session_.Decoder, settings_.ShowDestination, settings_.ShowNetwork, settings_.ShowApplication,
                   settings_.ShowMessage);
}

void TMainForm::ApplyMonitorOptions() {
  session_.User.ShowASCII = settings_.ShowASCII;
  session_.User.ShowDecodedMessage = settings_.ShowDecodedMessage;
  session_.User.UseAckChars = settings_.AckChar;
  session_.User.HexNumbers = settings_.HexNumbers;
  MonitorOptions& o = monitorState_.Display.Options;
  o.ShowTime = settings_.ShowTime;
  o.ShowDate = settings_.ShowDate;
  o.TimeDP = settings_.TimeDP;
  o.CombineLists = settings_.CombineLists;
  o.WordWrap = settings_.WordWrap;
  const std::pair<const char*, bool> ticks[] = {
      {"Show ASCII", settings_.ShowASCII},
      {"Show Decoded Message", settings_.ShowDecodedMessage},
      {"Hexadecimal Numbers", settings_.HexNumbers},
      {"Word Wrap", settings_.WordWrap},
      {"Show Time", settings_.ShowTime},
      {"Use Acknowledgement Characters", settings_.AckChar},
  };
  for (const auto& [caption, on] : ticks) Action(caption)->setChecked(on);
}

void TMainForm::RefreshErrorHistory() {
  const auto& history = session_.Traffic.ErrorHistory;
  bool same = ErrorHistoryListBox->count() == static_cast<int>(history.size());
  for (int i = 0; same && i < ErrorHistoryListBox->count(); ++i)
    same = ErrorHistoryListBox->item(i)->text().toStdString() == history[static_cast<std::size_t>(i)];
  if (same) return;
  ErrorHistoryListBox->clear();
  for (const std::string& line : history) ErrorHistoryListBox->addItem(QString::fromStdString(line));
}

QAction* TMainForm::Action(const std::string& caption) const {
  const auto it = actions_.find(caption);
  return it == actions_.end() ? nullptr : it->second;
}

QWidget* TMainForm::TabPage(int tab, int page) const {
  const auto it = tabPages_.find(tab);
  if (it == tabPages_.end() || page < 0 || page >= static_cast<int>(it->second.size())) return nullptr;
  return it->second[static_cast<std::size_t>(page)];
}

}  // namespace zelvo
