#pragma once
// "Filtering Parameters": networks, source units, direction and rows of
// applications with their groups for the live filter. The dialog mirrors
// the monitor's filter form model; the rules (descriptions, which Groups
// cells take entries, what OK returns) are the model's.

#include <QDialog>
#include <array>
#include <optional>

#include "monitor/qt/FilterFormStandIn.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace zelvo {

namespace filtermodel = filter_standin;
using FilterCriteriaLines = filtermodel::TCriteriaList;

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
  filtermodel::FilterFormModel model_;
  bool showing_ = false;
};

// "Filter Messages...": the dialog filled from `current`, shown modally.
// The new criteria on OK; nullopt otherwise (nothing changes then).
std::optional<FilterCriteriaLines> RunFilterDialog(bool hexNumbers, const std::optional<FilterCriteriaLines>& current,
                                                   QWidget* parent,
                                                   const std::function<void(int topic)>& showHelp = {});
// The menu item bears its check mark unless the criteria are the cleared ones.
bool FilterMenuChecked(const FilterCriteriaLines& criteria);
// SBWarningLabel from the two menu states.
void ShowWarningLabel(QLabel& label, bool liveFilterOn, bool logCommandsOn);

}  // namespace zelvo
