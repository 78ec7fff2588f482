#include "diagnostics/qt/ControlButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "diagnostics/CalEngine.h"
#include "diagnostics/qt/ModeActions.h"

namespace zelvo {

ControlButtons::ControlButtons(Traffic& traffic, QWidget* parent) : QWidget(parent), traffic_(traffic) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  BasicModeButton = new QPushButton(tr("Basic Mode"), this);
  SmartModeButton = new QPushButton(tr("Smart Mode"), this);
  DefaultModeButton = new QPushButton(tr("Default Mode"), this);
  PCIDataButton = new QPushButton(tr("PCI Data"), this);
  SetModeButton = new QPushButton(tr("Set Mode"), this);
  for (auto* b : {BasicModeButton, SmartModeButton, DefaultModeButton, PCIDataButton, SetModeButton})
    layout->addWidget(b);
  // The system's control names, so a window can find them by name.
  for (auto [w, name] : std::initializer_list<std::pair<QObject*, const char*>>{
           {BasicModeButton, "BasicModeButton"},
           {SmartModeButton, "SmartModeButton"},
           {DefaultModeButton, "DefaultModeButton"},
           {PCIDataButton, "PCIDataButton"},
           {SetModeButton, "SetModeButton"},
       })
    w->setObjectName(QString::fromLatin1(name));

  connect(BasicModeButton, &QPushButton::clicked, this, &ControlButtons::BasicModeButtonClick);
  connect(SmartModeButton, &QPushButton::clicked, this, &ControlButtons::SmartModeButtonClick);
  connect(DefaultModeButton, &QPushButton::clicked, this, &ControlButtons::DefaultModeButtonClick);
  connect(PCIDataButton, &QPushButton::clicked, this, &ControlButtons::pciDataClicked);
  connect(SetModeButton, &QPushButton::clicked, this, &ControlButtons::SetModeButtonClick);
}

void ControlButtons::BasicModeButtonClick() { SetBasicMode(traffic_); }
void ControlButtons::SmartModeButtonClick() { SetSmartMode(traffic_); }
void ControlButtons::DefaultModeButtonClick() { SetDefaultMode(traffic_); }
void ControlButtons::SetModeButtonClick() { SetModeClick(traffic_, window(), showHelp_); }

}  // namespace zelvo
