#include "monitor/qt/FilterForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "monitor/Monitor.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

enum Column { kAppColumn = 0, kDescriptionColumn = 1, kGroupsColumn = 2 };

QString Q(const std::string& s) { return QString::fromStdString(s); }

QTableWidgetItem* Cell(QTableWidget* grid, int row, int column) {
  auto* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  return item;
}

}  // namespace

TFilterForm::TFilterForm(bool hexNumbers, QWidget* parent) : QDialog(parent), hex_(hexNumbers) {
  setObjectName(QStringLiteral("FilterForm"));
  setWindowTitle(QString::fromUtf8(kFilterFormCaption));
  BuildControls();
  ShowModel();
}

void TFilterForm::BuildControls() {
  auto* top = new QVBoxLayout(this);
  NetworkLabel = new QLabel(Q(NetworkLabelText(hex_)), this);
  NetworkEdit = new QLineEdit(this);
  AddressLabel = new QLabel(Q(AddressLabelText(hex_)), this);
  AddressEdit = new QLineEdit(this);
  for (QWidget* w : std::initializer_list<QWidget*>{NetworkLabel, NetworkEdit, AddressLabel, AddressEdit})
    top->addWidget(w);

  top->addWidget(new QLabel(QString::fromUtf8(kFilterAppGroupLabel), this));
  AppGroupStringGrid = new QTableWidget(0, 3, this);
  QStringList headers;
  for (const auto& h : AppGroupHeaders(hex_)) headers.push_back(Q(h));
  AppGroupStringGrid->setHorizontalHeaderLabels(headers);
  AppGroupStringGrid->verticalHeader()->hide();
  AppGroupStringGrid->horizontalHeader()->setStretchLastSection(true);
  top->addWidget(AppGroupStringGrid);

  auto* rows = new QHBoxLayout;
  LessButton = new QPushButton(tr("Less Rows"), this);
  MoreButton = new QPushButton(tr("More Rows"), this);
  rows->addWidget(LessButton);
  rows->addWidget(MoreButton);
  rows->addStretch();
  top->addLayout(rows);

  TxRxRadioGroup = new QGroupBox(this);
  auto* direction = new QVBoxLayout(TxRxRadioGroup);
  for (std::size_t i = 0; i < TxRxRadioButtons.size(); ++i) {
    TxRxRadioButtons[i] = new QRadioButton(QString::fromUtf8(kFilterDirectionItems[i]), TxRxRadioGroup);
    direction->addWidget(TxRxRadioButtons[i]);
  }
  top->addWidget(TxRxRadioGroup);

  auto* buttons = new QHBoxLayout;
  ClearButton = new QPushButton(tr("Clear"), this);
  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setDefault(true);
  CancelButton = new QPushButton(tr("Cancel"), this);
  HelpButton = new QPushButton(tr("&Help"), this);
  for (auto* b : {ClearButton, OKButton, CancelButton, HelpButton}) buttons->addWidget(b);
  top->addLayout(buttons);

  // The system's control names, so a window can find them by name.
  for (auto [w, name] : std::initializer_list<std::pair<QObject*, const char*>>{
           {NetworkLabel, "NetworkLabel"},
           {NetworkEdit, "NetworkEdit"},
           {AddressLabel, "AddressLabel"},
           {AddressEdit, "AddressEdit"},
           {AppGroupStringGrid, "AppGroupStringGrid"},
           {LessButton, "LessButton"},
           {MoreButton, "MoreButton"},
           {TxRxRadioGroup, "TxRxRadioGroup"},
           {ClearButton, "ClearButton"},
           {OKButton, "OKButton"},
           {CancelButton, "CancelButton"},
           {HelpButton, "HelpButton"},
       })
    w->setObjectName(QString::fromLatin1(name));

  connect(LessButton, &QPushButton::clicked, this, &TFilterForm::LessButtonClick);
  connect(MoreButton, &QPushButton::clicked, this, &TFilterForm::MoreButtonClick);
  connect(ClearButton, &QPushButton::clicked, this, &TFilterForm::ClearButtonClick);
  connect(OKButton, &QPushButton::clicked, this, &TFilterForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpButton, &QPushButton::clicked, this, [this] { emit helpRequested(kFilterHelpTopic); });
  connect(AppGroupStringGrid, &QTableWidget::cellChanged, this, &TFilterForm::AppGroupStringGridCellChanged);
}

void TFilterForm::ShowRow(int row) {
  const auto& r = model_.Rows[static_cast<std::size_t>(row)];
  Cell(AppGroupStringGrid, row, kAppColumn)->setText(Q(r.App));
  auto* description = Cell(AppGroupStringGrid, row, kDescriptionColumn);
  description->setText(Q(r.Description));
  description->setFlags(description->flags() & ~Qt::ItemIsEditable);
  auto* groups = Cell(AppGroupStringGrid, row, kGroupsColumn);
  groups->setText(Q(r.Groups));
  groups->setFlags(r.GroupsEditable ? groups->flags() | Qt::ItemIsEditable : groups->flags() & ~Qt::ItemIsEditable);
  groups->setBackground(QColor::fromRgb(static_cast<QRgb>(r.GroupsColour)));
}

void TFilterForm::ShowModel() {
  showing_ = true;
  const QSignalBlocker block(AppGroupStringGrid);
  NetworkEdit->setText(Q(model_.NetworkEdit));
  AddressEdit->setText(Q(model_.AddressEdit));
  TxRxRadioButtons[static_cast<std::size_t>(model_.Direction)]->setChecked(true);
  AppGroupStringGrid->setRowCount(static_cast<int>(model_.Rows.size()));
  for (int row = 0; row < AppGroupStringGrid->rowCount(); ++row) ShowRow(row);
  LessButton->setEnabled(model_.LessButtonEnabled());
  showing_ = false;
}

void TFilterForm::ReadControls() {
  model_.NetworkEdit = NetworkEdit->text().toStdString();
  model_.AddressEdit = AddressEdit->text().toStdString();
  for (std::size_t i = 0; i < TxRxRadioButtons.size(); ++i)
    if (TxRxRadioButtons[i]->isChecked()) model_.Direction = static_cast<int>(i);
  for (int row = 0; row < AppGroupStringGrid->rowCount(); ++row) {
    auto& r = model_.Rows[static_cast<std::size_t>(row)];
    r.App = Cell(AppGroupStringGrid, row, kAppColumn)->text().toStdString();
    r.Groups = Cell(AppGroupStringGrid, row, kGroupsColumn)->text().toStdString();
  }
}

void TFilterForm::AppGroupStringGridCellChanged(int row, int column) {
  if (showing_ || row < 0 || row >= static_cast<int>(model_.Rows.size())) return;
  auto& r = model_.Rows[static_cast<std::size_t>(row)];
  const std::string text = Cell(AppGroupStringGrid, row, column)->text().toStdString();
  if (column == kGroupsColumn) r.Groups = text;
  if (column != kAppColumn) return;
  r.App = text;
  UpdateAppGroupRow(model_, static_cast<std::size_t>(row), hex_);
  const QSignalBlocker block(AppGroupStringGrid);
  ShowRow(row);
}

void TFilterForm::SetData(const FilterCriteriaLines& criteria) {
  zelvo::SetData(model_, criteria, hex_);
  ShowModel();
}

FilterCriteriaLines TFilterForm::GetData() {
  ReadControls();
  return zelvo::GetData(model_, hex_);
}

void TFilterForm::ClearButtonClick() {
  zelvo::ClearButtonClick(model_, hex_);
  ShowModel();
}

void TFilterForm::MoreButtonClick() {
  ReadControls();
  zelvo::MoreButtonClick(model_, hex_);
  ShowModel();
}

void TFilterForm::LessButtonClick() {
  ReadControls();
  zelvo::LessButtonClick(model_);
  ShowModel();
}

void TFilterForm::OKButtonClick() { accept(); }

std::optional<FilterCriteriaLines> RunFilterDialog(bool hexNumbers, const std::optional<FilterCriteriaLines>& current,
                                                   QWidget* parent, const std::function<void(int)>& showHelp) {
  TFilterForm form(hexNumbers, parent);
  if (current) form.SetData(*current);
  if (showHelp) QObject::connect(&form, &TFilterForm::helpRequested, &form, showHelp);
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.GetData();
}

bool FilterMenuChecked(const FilterCriteriaLines& criteria) { return !IsClearedCriteria(criteria); }

bool OptionsLiveFilterItemClick(Session& session, QWidget* parent, const std::function<void(int)>& showHelp) {
  LiveFilter& filter = session.Monitor.Filter;
  auto criteria = RunFilterDialog(session.User.HexNumbers, filter.Criteria, parent, showHelp);
  if (!criteria) return false;
  SetLiveFilterCriteria(filter, std::move(*criteria));
  return true;
}

void ShowWarningLabel(QLabel& label, bool liveFilterOn, bool logCommandsOn) {
  label.setAlignment(Qt::AlignCenter);
  label.setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
  label.setText(Q(UpdateWarningLabel(liveFilterOn, logCommandsOn)));
}

void ShowWarningLabel(QLabel& label, const MonitorState& monitor) {
  ShowWarningLabel(label, monitor.Filter.Checked, monitor.Log.Enabled);
}

}  // namespace zelvo
