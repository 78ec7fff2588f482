#pragma once
// "Filtering Parameters": networks, source units, direction and rows of
// applications with their groups for the live filter. The dialog mirrors
// the monitor's filter form model (monitor/Filter.h); the rules
// (descriptions, which Groups cells take entries, what OK returns) are the
// model's.

#include <QDialog>
#include <array>
#include <optional>

#include "monitor/Filter.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace zelvo {

struct MonitorState;
struct Session;

using FilterCriteriaLines = TCriteriaList;

class TFilterForm : public QDialog {
  Q_OBJECT
 public:
  // The labels and headers show examples in the current number format.
  explicit TFilterForm(bool hexNumbers, QWidget* parent = nullptr);

  void SetData(const FilterCriteriaLines& criteria);
  FilterCriteriaLines GetData();

  void ClearButtonClick();
  void MoreButtonClick();
  void LessButtonClick();
  void OKButtonClick();

  QLabel* NetworkLabel;
  QLineEdit* NetworkEdit;
  QLabel* AddressLabel;
  QLineEdit* AddressEdit;
  QTableWidget* AppGroupStringGrid;
  QPushButton* LessButton;
  QPushButton* MoreButton;
  QGroupBox* TxRxRadioGroup;
  std::array<QRadioButton*, 3> TxRxRadioButtons{};
  QPushButton* ClearButton;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QPushButton* HelpButton;

 signals:
  void helpRequested(int topic);

 private:
  void BuildControls();
  void ShowModel();
  void ShowRow(int row);
  void ReadControls();
  void AppGroupStringGridCellChanged(int row, int column);

  bool hex_;
  FilterFormModel model_;
  bool showing_ = false;
};

// "Filter Messages...": the dialog filled from `current`, shown modally.
// The new criteria on OK; nullopt otherwise (nothing changes then).
std::optional<FilterCriteriaLines> RunFilterDialog(bool hexNumbers, const std::optional<FilterCriteriaLines>& current,
                                                   QWidget* parent,
                                                   const std::function<void(int topic)>& showHelp = {});
// The menu item bears its check mark unless the criteria are the cleared ones.
bool FilterMenuChecked(const FilterCriteriaLines& criteria);

// The "Filter Messages..." menu item on the session's live filter: the
// dialog, and on OK the new criteria in force. True on OK; the caller then
// sets the item's check mark from session.Monitor.Filter.Checked and
// refreshes SBWarningLabel. The menu click itself never toggles the mark.
bool OptionsLiveFilterItemClick(Session& session, QWidget* parent, const std::function<void(int topic)>& showHelp = {});

// SBWarningLabel (red, bold, centred) from the two menu states.
void ShowWarningLabel(QLabel& label, bool liveFilterOn, bool logCommandsOn);
void ShowWarningLabel(QLabel& label, const MonitorState& monitor);

}  // namespace zelvo
