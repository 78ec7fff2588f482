// The main window's menus, speed bar, monitor panes and tab pages.

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "builders/qt/LightingTab.h"
#include "decode/Decode.h"
#include "diagnostics/CalEngine.h"
#include "diagnostics/qt/ModeActions.h"
#include "monitor/qt/FilterForm.h"
#include "monitor/qt/MonitorMemo.h"
#include "shell/Tabs.h"
#include "shell/qt/MainForm.h"
#include "shell/qt/QtHost.h"

namespace zelvo {

QAction* TMainForm::AddAction(QMenu* menu, const std::string& caption, std::function<void()> handler, bool checkable) {
  auto* a = new QAction(QString::fromStdString(caption), this);
  a->setCheckable(checkable);
  if (handler) connect(a, &QAction::triggered, this, [this, handler] { Guard(handler); });
  if (menu) menu->addAction(a);
  actions_[caption] = a;
  return a;
}

void TMainForm::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  for (const char* hidden : {"&New", "&Open...", "&Save", "Save &As..."}) AddAction(file, hidden, nullptr);
  file->addSeparator();
  for (const char* hidden : {"Execute File...", "Filter Log File...", "Process Log File", "Decrypt Quenby Log"})
    AddAction(file, hidden, nullptr);
  AddAction(file, "&Print", [this] { FilePrintItemClick(); });
  AddAction(file, "P&rint Setup...", [this] { FilePrintSetupItemClick(); });
  file->addSeparator();
  AddAction(file, "E&xit", [this] { close(); });

  QMenu* bus = menuBar()->addMenu(QStringLiteral("&Zelvo"));
  AddAction(
      bus, "Connect to Zelvo", [this] { ZelvoConnecttoZelvoItemClick(); }, true)
      ->setObjectName(QStringLiteral("ZelvoConnecttoZelvoItem"));
  AddAction(bus, "Repair PCI with bad Baud Rate", [this] { SBRepairSerialButtonClick(); });
  bus->addSeparator();
  // The items of the diagnostic windows; their windows attach the handlers.
  AddAction(bus, "Set Mode", [this] { SetModeClick(*traffic_, this); });
  AddAction(bus, "Set Mode of Other PCI", [this] { SetModeOfOtherPciClick(*traffic_, this); });
  AddAction(bus, "Get PCI Data", [this] { GetPciDataClick(true); });
  bus->addSeparator();
  for (const char* item : {"Installation MMI", "Application MMI", "Level MMI"}) AddAction(bus, item, nullptr);
  bus->addSeparator();
  for (const char* item : {"Identify", "Identify All Units", "Get Unit Voltages"}) AddAction(bus, item, nullptr);
  QMenu* unitType = bus->addMenu(QStringLiteral("Unit Type"));
  actions_["Unit Type"] = unitType->menuAction();
  AddAction(bus, "Get RAM Contents", nullptr);
  AddAction(bus, "Get EEPROM Data", nullptr);
  bus->addSeparator();
  AddAction(bus, "Reliability Test", nullptr);
  AddAction(bus, "Traffic Analyser", nullptr);
  bus->addSeparator();
  AddAction(bus, "Insert Comment", [this] { ZelvoCommentMenuItemClick(); });
  AddAction(bus, "Interpret Command...", [this] {
    ZelvoInterpretCommand(session_.Decoder, host_);
  })->setObjectName(QStringLiteral("ZelvoInterpretCommand"));

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  auto toggle = [this](bool ProgramSettings::*field) {
    return [this, field] {
      settings_.*field = !(settings_.*field);
      ApplyMonitorOptions();
    };
  };
  AddAction(options, "Show ASCII", toggle(&ProgramSettings::ShowASCII), true);
  AddAction(options, "Show Decoded Message", toggle(&ProgramSettings::ShowDecodedMessage), true);
  AddAction(
      options, "Hexadecimal Numbers", [this] { SetHexNumbers(!settings_.HexNumbers); }, true);
  AddAction(
      options, "Word Wrap",
      [this] {
        settings_.WordWrap = !settings_.WordWrap;
        ApplyMonitorOptions();
        UpdateWordWrap();
      },
      true);
  AddAction(options, "Show Time", toggle(&ProgramSettings::ShowTime), true);
  AddAction(options, "Use Acknowledgement Characters", toggle(&ProgramSettings::AckChar), true);
  AddAction(
      options, "Always on top",
      [this] {
        const bool on = Action("Always on top")->isChecked();
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        show();
      },
      true);
  options->addSeparator();
  AddAction(
      options, "Filter Messages...",
      [this] {
        OptionsLiveFilterItemClick(session_, this);
        Action("Filter Messages...")->setChecked(monitorState_.Filter.Checked);
        UpdateWarningLabel();
      },
      true)
      ->setObjectName(QStringLiteral("OptionsLiveFilterItem"));
  AddAction(
      options, "Log Commands", [this] { OptionsLogCommandsItemClick(); }, true)
      ->setObjectName(QStringLiteral("OptionsLogCommandsItem"));
  AddAction(options, "Clear Lists", [this] { SBClearSpeedButtonClick(); });
  QMenu* showTabs = options->addMenu(QStringLiteral("Show Tabs"));
  for (const TabInfo& tab : TabList()) {
    const int position = tab.Index;
    QAction* item = AddAction(
        showTabs, "Show Tabs/" + std::string(tab.MenuCaption), [this, position] { TabItemClick(position); }, true);
    item->setText(QString::fromUtf8(tab.MenuCaption.data(), static_cast<qsizetype>(tab.MenuCaption.size())));
    tabItems_.push_back(item);
  }
  options->addSeparator();
  AddAction(options, "User Button Properties...", nullptr);
  AddAction(options, "Assign Lighting Command to User Button", nullptr);
  AddAction(options, "Program Options...", [this] { OptionsProgramOptionsItemClick(); });
  AddAction(options, "Enable Debug", nullptr);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  AddAction(help, "&Contents...", [this] { HelpContentsItemClick(); });
  AddAction(help, "What's New...", [this] { HelpWhatsNewItemClick(); });
  AddAction(help, "Application Support...", [this] { HelpApplicationSupportItemClick(); });
  help->addSeparator();
  AddAction(help, "&About...", [this] { HelpAboutItemClick(); });
}

void TMainForm::BuildSpeedBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Speed Bar"));
  bar->setObjectName(QStringLiteral("SpeedBar"));
  bar->setMovable(false);
  struct Button {
    const char* name;
    const char* text;
    const char* hint;
    std::function<void()> handler;
  };
  const Button buttons[] = {
      {"SBNewSpeedButton", "New", "New", nullptr},
      {"SBOpenSpeedButton", "Open", "Open", nullptr},
      {"SBSaveSpeedButton", "Save", "Save", nullptr},
      {"SBConnectSpeedButton", "Connect", "Connect / Disconnect", [this] { ZelvoConnecttoZelvoItemClick(); }},
      {"SBClearSpeedButton", "Clear", "Clear Lists", [this] { SBClearSpeedButtonClick(); }},
      {"SBRepairSerialButton", "Repair", "Try and repair serial PCI with strange Baud Rate",
       [this] { SBRepairSerialButtonClick(); }},
      {"SBHelpSpeedButton", "Help", "Help Contents", [this] { HelpContentsItemClick(); }},
  };
  for (const Button& b : buttons) {
    QAction* a = AddAction(nullptr, b.name, b.handler);
    a->setText(QString::fromLatin1(b.text));
    a->setToolTip(QString::fromLatin1(b.hint));
    a->setObjectName(QString::fromLatin1(b.name));
    bar->addAction(a);
  }
  bar->addSeparator();
  SBScrollLockCheckBox = new QCheckBox(QStringLiteral("Scroll Lock"));
  SBScrollLockCheckBox->setObjectName(QStringLiteral("SBScrollLockCheckBox"));
  connect(SBScrollLockCheckBox, &QCheckBox::clicked, this, [this] { SBScrollLockCheckBoxClick(); });
  bar->addWidget(SBScrollLockCheckBox);
  SBWarningLabel = new QLabel;
  SBWarningLabel->setObjectName(QStringLiteral("SBWarningLabel"));
  SBWarningLabel->setAlignment(Qt::AlignCenter);
  SBWarningLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  SBWarningLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  bar->addWidget(SBWarningLabel);
  ClockLabel = new QLabel(QString::fromLatin1(kClockLabelInitial));
  ClockLabel->setObjectName(QStringLiteral("ClockLabel"));
  ClockLabel->setMinimumWidth(80);
  ClockLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  bar->addWidget(ClockLabel);
}

void TMainForm::BuildPanes() {
  auto pane = [this](MonitorMemo*& memo, QLabel*& header, const char* name, const char* caption) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    header = new QLabel(QString::fromLatin1(caption));
    header->setStyleSheet(QStringLiteral("font-weight: bold;"));
    memo = new MonitorMemo(QString::fromLatin1(name));
    connect(memo, &MonitorMemo::fontRequested, this, [this] { FontPopupOnClick(); });
    layout->addWidget(header);
    layout->addWidget(memo);
    return box;
  };
  ListsSplitter = new QSplitter(Qt::Horizontal);
  ListsSplitter->setObjectName(QStringLiteral("ListsSplitter"));
  ListsSplitter->addWidget(pane(TransmitMemo, TransmitHeader, "TransmitMemo", "Transmit Data"));
  ListsSplitter->addWidget(pane(ReceiveMemo, ReceiveHeader, "ReceiveMemo", "Receive Data"));
  monitorState_.Display.TransmitMemo.SetListener(TransmitMemo);
  monitorState_.Display.ReceiveMemo.SetListener(ReceiveMemo);

  ControlButtonPanel = new QWidget;
  ControlButtonPanel->setObjectName(QStringLiteral("ControlButtonPanel"));
  auto* buttons = new QHBoxLayout(ControlButtonPanel);
  buttons->setContentsMargins(4, 2, 4, 2);
  const std::pair<const char*, std::function<void()>> modeButtons[] = {
      {"Basic Mode", [this] { SetBasicMode(*traffic_); }},     {"Smart Mode", [this] { SetSmartMode(*traffic_); }},
      {"Default Mode", [this] { SetDefaultMode(*traffic_); }}, {"PCI Data", [this] { GetPciDataClick(true); }},
      {"Set Mode", [this] { SetModeClick(*traffic_, this); }},
  };
  for (const auto& [caption, handler] : modeButtons) {
    auto* b = new QPushButton(QString::fromLatin1(caption));
    connect(b, &QPushButton::clicked, this, [this, handler = handler] { Guard(handler); });
    buttons->addWidget(b);
  }
  buttons->addStretch();

  DataEntryModeLabel = new QLabel;
  DataEntryModeLabel->setObjectName(QStringLiteral("DataEntryModeLabel"));
  DataEntryModeLabel->setAlignment(Qt::AlignCenter);

  PageControl = new QTabWidget;
  PageControl->setObjectName(QStringLiteral("PageControl"));
  auto* lower = new QWidget;
  auto* lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  lowerLayout->addWidget(ControlButtonPanel);
  lowerLayout->addWidget(DataEntryModeLabel);
  lowerLayout->addWidget(PageControl, 1);

  auto* main = new QSplitter(Qt::Vertical);
  main->addWidget(ListsSplitter);
  main->addWidget(lower);
  main->setStretchFactor(0, 3);
  main->setStretchFactor(1, 2);
  setCentralWidget(main);
}

void TMainForm::BuildTabs() {
  for (const TabInfo& tab : TabList()) {
    for (std::string_view caption : tab.Pages) {
      auto* page = new QWidget;
      page->setObjectName(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
      PageControl->addTab(page, page->objectName());
      tabPages_[tab.Index].push_back(page);
    }
  }
  auto* lighting = new LightingTab(*traffic_, settings_.ShowApplicationWarning);
  (new QVBoxLayout(TabPage(kTabLighting)))->addWidget(lighting);
  // Every number combo of the tabs follows "Hexadecimal Numbers"; the level
  // list has a builder of its own.
  combos_.AddRoot(PageControl);
  combos_.AddRefill([lighting](bool) { lighting->LightingFillLevelCombo(); });

  // The Error Reporting tab's history of received error reports.
  auto* history = new QGroupBox(QStringLiteral("Received Command History - double-click to fill left side"));
  ErrorHistoryListBox = new QListWidget;
  ErrorHistoryListBox->setObjectName(QStringLiteral("ErrorHistoryListBox"));
  (new QVBoxLayout(history))->addWidget(ErrorHistoryListBox);
  (new QVBoxLayout(TabPage(kTabError)))->addWidget(history);

  // The tab pop-up menu offers the same items as "Show Tabs".
  PageControl->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(PageControl->tabBar(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu popup(this);
    for (QAction* item : tabItems_)
      if (item->isVisible()) popup.addAction(item);
    popup.exec(PageControl->tabBar()->mapToGlobal(at));
  });
  PageControl->setCurrentIndex(0);
}

void TMainForm::HideAtStart() {
  for (std::string_view caption : HiddenAtStart())
    if (QAction* a = Action(std::string(caption))) a->setVisible(false);
  for (const char* name : {"SBNewSpeedButton", "SBOpenSpeedButton", "SBSaveSpeedButton"})
    Action(name)->setVisible(false);
  for (const TabInfo& tab : TabList())
    if (tab.HiddenAtStart) tabItems_[static_cast<std::size_t>(tab.Index)]->setVisible(false);
}

}  // namespace zelvo
