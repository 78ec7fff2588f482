#pragma once
// Switching the number format: every number combo box under the registered
// windows is rebuilt in the new format (keeping its selection), then the
// lists that have builders of their own, and the error history, whose lines
// were written in the old format, is cleared.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;

namespace zelvo {

struct Session;

class NumberComboRegistry {
 public:
  // Every NumberComboBox inside `root`, now or later, is refilled.
  void AddRoot(QWidget* root);
  // A list that is rebuilt by its own builder; called with the new format.
  void AddRefill(std::function<void(bool hex)> refill);

  // Sets "Hexadecimal Numbers" in the session and rebuilds every list.
  // The menu tick and the "Data Entry Mode" bar belong to the main window
  // (ShowDataEntryMode).
  void SetHexAndUpdateAllCombos(Session& session, bool hex);

 private:
  std::vector<QPointer<QWidget>> roots_;
  std::vector<std::function<void(bool)>> refills_;
};

// "Data Entry Mode: HEXADECIMAL" in red, "Data Entry Mode: DECIMAL" in green.
void ShowDataEntryMode(QLabel& label, bool hex);

}  // namespace zelvo
