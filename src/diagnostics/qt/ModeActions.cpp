#include "diagnostics/qt/ModeActions.h"

#include <QApplication>
#include <QCursor>

#include "diagnostics/ModeForm.h"
#include "diagnostics/PciModel.h"
#include "diagnostics/qt/ModeForm.h"
#include "link/Traffic.h"
#include "shell/Host.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

void ShowModeForm(Traffic& traffic, QWidget* parent, std::optional<int> remote,
                  const std::function<void(int)>& showHelp) {
  TModeForm form(traffic, parent);
  if (remote) form.SetRemoteAddress(*remote);
  if (showHelp) QObject::connect(&form, &TModeForm::helpRequested, &form, showHelp);
  form.Execute();
}

// The busy cursor while the interface is asked, restored however it ends.
struct BusyCursor {
  BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void SetModeClick(Traffic& traffic, QWidget* parent, const std::function<void(int)>& showHelp) {
  ShowModeForm(traffic, parent, std::nullopt, showHelp);
}

void SetModeOfOtherPciClick(Traffic& traffic, QWidget* parent, const std::function<void(int)>& showHelp) {
  const auto address = AskOtherPciAddress(traffic);
  if (address) ShowModeForm(traffic, parent, address, showHelp);
}

void PciDataClick(Traffic& traffic, std::string_view location, bool fromButtonOrMenu, bool startupConnect,
                  bool dontShowOnConnect) {
  PciDetails details;
  {
    const BusyCursor busy;
    details = RequestPciData(traffic);
  }
  if (startupConnect) return;
  if (!ShowPciDataDialog(fromButtonOrMenu, startupConnect, dontShowOnConnect)) return;
  const std::string text = PciDataMessage(details, traffic.GetSession().Interface.PCIVersion, location);
  traffic.GetHost().Message(MsgIcon::Information, text, MsgButtons::Ok);
}

}  // namespace zelvo
