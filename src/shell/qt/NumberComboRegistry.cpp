#include "shell/qt/NumberComboRegistry.h"

#include <QLabel>
#include <algorithm>

#include "shell/Session.h"
#include "shell/qt/NumberComboBox.h"

namespace zelvo {

void NumberComboRegistry::AddRoot(QWidget* root) {
  if (root && std::find(roots_.begin(), roots_.end(), root) == roots_.end()) roots_.emplace_back(root);
}

void NumberComboRegistry::AddRefill(std::function<void(bool hex)> refill) {
  if (refill) refills_.push_back(std::move(refill));
}

void NumberComboRegistry::SetHexAndUpdateAllCombos(Session& session, bool hex) {
  SetNumberFormat(session, hex);
  for (const auto& root : roots_) {
    if (!root) continue;
    for (auto* combo : root->findChildren<NumberComboBox*>()) combo->RefillCombo();
  }
  for (const auto& refill : refills_) refill(hex);
}

void ShowDataEntryMode(QLabel& label, bool hex) {
  label.setText(QString::fromStdString(DataEntryModeText(hex)));
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, hex ? Qt::red : Qt::darkGreen);
  label.setPalette(palette);
}

}  // namespace zelvo
