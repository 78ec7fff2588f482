// The main window's handlers around the monitor panes, the options and the
// PCI data request.

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>

#include "diagnostics/PciModel.h"
#include "link/qt/OptionsForm.h"
#include "link/qt/QtLink.h"
#include "link/qt/SerialSetupDialog.h"
#include "monitor/qt/MonitorMemo.h"
#include "shell/qt/MainForm.h"
#include "shell/qt/QtHost.h"

namespace zelvo {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

void TMainForm::ClearLists() { zelvo::ClearLists(monitorState_.Display); }

void TMainForm::SBClearSpeedButtonClick() { ClearLists(); }

void TMainForm::SBScrollLockCheckBoxClick() { SetScrollLock(monitorState_.Display, SBScrollLockCheckBox->isChecked()); }

void TMainForm::ZelvoCommentMenuItemClick() {
  zelvo::ZelvoCommentMenuItemClick(monitorState_.Display, monitorState_.Log, host_);
}

void TMainForm::FontPopupOnClick() {
  if (host_.TestMode()) return;  // the font dialog would wait for a user
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, TransmitMemo->font(), this, QStringLiteral("Set Font..."));
  if (!ok) return;
  TransmitMemo->setFont(font);
  ReceiveMemo->setFont(font);
}

void TMainForm::ClockTimerTimer() { ClockLabel->setText(Q(ClockLabelText(host_))); }

void TMainForm::ShortInfoTimerTimer() {
  Guard([this] {
    session_.Decoder.ShortInfoCache.TimerTick();
    traffic_->DisplayReconstructedMessages(session_.Decoder.DecodeOptions);
  });
}

void TMainForm::OptionsLogCommandsItemClick() {
  zelvo::OptionsLogCommandsItemClick(monitorState_.Log, host_);
  Action("Log Commands")->setChecked(monitorState_.Log.Enabled);
  UpdateWarningLabel();
}

void TMainForm::UpdateWarningLabel() { SBWarningLabel->setText(Q(zelvo::UpdateWarningLabel(monitorState_))); }

void TMainForm::SetLists() {
  const MonitorLayout layout = zelvo::SetLists(monitorState_.Display.Options, width());
  TransmitHeader->setText(Q(layout.TransmitHeader));
  ReceiveHeader->setText(Q(layout.ReceiveHeader));
  ListsSplitter->widget(1)->setVisible(layout.ReceiveVisible);
  if (layout.ReceiveVisible) ListsSplitter->setSizes({width() - layout.ReceiveWidth, layout.ReceiveWidth});
}

void TMainForm::UpdateWordWrap() {
  TransmitMemo->UpdateWordWrap(settings_.WordWrap);
  ReceiveMemo->UpdateWordWrap(settings_.WordWrap);
}

void TMainForm::SetHexNumbers(bool hex) {
  settings_.HexNumbers = hex;
  ApplyMonitorOptions();
  combos_.SetHexAndUpdateAllCombos(session_, hex);
  DataEntryModeLabel->setText(hex ? QStringLiteral("Data Entry Mode: HEXADECIMAL")
                                  : QStringLiteral("Data Entry Mode: DECIMAL"));
  DataEntryModeLabel->setStyleSheet(hex ? QStringLiteral("color: white; background: red; font-weight: bold;")
                                        : QStringLiteral("color: white; background: green; font-weight: bold;"));
  // Also empties the error history, written in the previous format.
  SetNumberFormat(session_, hex);
  RefreshErrorHistory();
}

void TMainForm::OptionsProgramOptionsItemClick() {
  const bool open = link_->IsOpen();
  optionsForm_->Load(open);
  optionsLinkOpen_ = open;
  // OK applies through the dialog's accepted signal (see FormCreate).
  if (host_.TestMode())
    optionsForm_->open();  // tests press OK or Cancel themselves
  else
    optionsForm_->exec();
}

void TMainForm::OptionsSerialSetup(const QString& port) {
  if (host_.TestMode()) return;  // the dialog would wait for a user
  SerialSetupDialog setup(port, link_->GetSerialLine(), optionsForm_);
  if (setup.exec() != QDialog::Accepted) return;
  link_->SetSerialLine(setup.Line());
  optionsForm_->ComPortComboBox->setCurrentText(setup.PortName());
}

void TMainForm::ApplyProgramOptions(bool linkWasOpen) {
  const bool layoutChanged = optionsForm_->Store(linkWasOpen);
  ApplyMonitorOptions();
  if (layoutChanged) {
    SetLists();
    ClearLists();
  }
  ApplyDecodeOptions();
  ShowTabs();
}

void TMainForm::GetPciDataClick(bool fromButtonOrMenu) {
  const PciDetails details = RequestPciData(*traffic_);
  const std::string location = settings_.ConnectionType == kConnectionTcpIp
                                   ? settings_.IPAddress + ":" + std::to_string(settings_.Port)
                                   : settings_.COMPort;
  if (ShowPciDataDialog(fromButtonOrMenu, linkFlags_.AutoConnecting, settings_.ShowPCIData))
    host_.Message(MsgIcon::Information, PciDataMessage(details, session_.Interface.PCIVersion, location),
                  MsgButtons::Ok);
}

void TMainForm::SBRepairSerialButtonClick() {
  QSerialPort port;
  QtRepairPort repair(port);
  zelvo::SBRepairSerialButtonClick(host_, connectedMark_, CurrentLinkSettings(), repair);
}

}  // namespace zelvo
