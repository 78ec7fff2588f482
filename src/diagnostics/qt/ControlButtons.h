#pragma once
// The interface buttons of the control button panel: the three one-click
// modes, "PCI Data" and "Set Mode". The main window places the widget and
// enables it only while connected.

#include <QWidget>
#include <functional>

class QPushButton;

namespace zelvo {

class Traffic;

class ControlButtons : public QWidget {
  Q_OBJECT
 public:
  explicit ControlButtons(Traffic& traffic, QWidget* parent = nullptr);

  void BasicModeButtonClick();
  void SmartModeButtonClick();
  void DefaultModeButtonClick();
  void SetModeButtonClick();

  // Called with the help topic when the mode window's "&Help" is pressed.
  void SetHelpHandler(std::function<void(int topic)> showHelp) { showHelp_ = std::move(showHelp); }

  QPushButton* BasicModeButton;
  QPushButton* SmartModeButton;
  QPushButton* DefaultModeButton;
  QPushButton* PCIDataButton;
  QPushButton* SetModeButton;

 signals:
  // "PCI Data": the main window knows the link's location and the options,
  // so it runs PciDataClick (ModeActions.h) itself.
  void pciDataClicked();

 private:
  Traffic& traffic_;
  std::function<void(int)> showHelp_;
};

}  // namespace zelvo
