#include "monitor/qt/FilterForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "shell/Session.h"

namespace zelvo {
namespace {

QString CellText(QTableWidget* grid, int row, int column) {
  auto* item = grid->item(row, column);
  return item ? item->text() : QString();
}

void TypeCell(QTableWidget* grid, int row, int column, const QString& text) { grid->item(row, column)->setText(text); }

void WhenShown(const std::function<void(TFilterForm&)>& act) {
  QTimer::singleShot(0, [act] {
    if (auto* form = qobject_cast<TFilterForm*>(QApplication::activeModalWidget())) act(*form);
  });
}

TEST(FilterForm, LabelsShowExamplesInTheNumberFormat) {
  TFilterForm decimal(false);
  EXPECT_EQ(decimal.windowTitle(), "Filtering Parameters");
  EXPECT_EQ(decimal.NetworkLabel->text(), "Enter Network list (eg. Local,01,02,0103) :   (Hexadecimal)");
  EXPECT_EQ(decimal.AddressLabel->text(), "Enter Unit Address list (eg. 9,15-20) :");
  EXPECT_EQ(decimal.AppGroupStringGrid->horizontalHeaderItem(2)->text(), "Groups (eg. 1,12-16,25)");
  EXPECT_TRUE(decimal.TxRxRadioButtons[2]->isChecked());
  EXPECT_EQ(decimal.TxRxRadioButtons[0]->text(), "Transmitted Messages");
  EXPECT_EQ(decimal.AppGroupStringGrid->rowCount(), 1);
  EXPECT_FALSE(decimal.LessButton->isEnabled());
  EXPECT_TRUE(decimal.OKButton->isDefault());

  TFilterForm hex(true);
  EXPECT_EQ(hex.NetworkLabel->text(), "Enter Network list (eg. Local,01,02,0103) :");
  EXPECT_EQ(hex.AddressLabel->text(), "Enter Unit Address list (eg. 09,0F-14) :");
  EXPECT_EQ(hex.AppGroupStringGrid->horizontalHeaderItem(0)->text(), "App");
  EXPECT_EQ(hex.AppGroupStringGrid->horizontalHeaderItem(1)->text(), "Description");
  EXPECT_EQ(hex.AppGroupStringGrid->horizontalHeaderItem(2)->text(), "Groups (eg. 01,0C-10,19)");
}

TEST(FilterForm, GroupsCellsTakeEntriesOnlyForApplicationsWithGroups) {
  TFilterForm form(false);
  auto* grid = form.AppGroupStringGrid;
  TypeCell(grid, 0, 0, "56");
  EXPECT_EQ(CellText(grid, 0, 1), "Lighting");
  EXPECT_TRUE(grid->item(0, 2)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(grid->item(0, 2)->background().color(), QColor(0xFF, 0xFF, 0xFF));

  TypeCell(grid, 0, 0, "172");
  EXPECT_EQ(CellText(grid, 0, 1), "HVAC");
  EXPECT_FALSE(grid->item(0, 2)->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(grid->item(0, 2)->background().color(), QColor(0x7F, 0x7F, 0x7F));

  TypeCell(grid, 0, 0, "");
  EXPECT_EQ(CellText(grid, 0, 1), "");
}

TEST(FilterForm, RowsDataAndClear) {
  TFilterForm form(false);
  auto* grid = form.AppGroupStringGrid;
  form.NetworkEdit->setText("Local");
  form.AddressEdit->setText("15-20");
  form.TxRxRadioButtons[1]->setChecked(true);
  TypeCell(grid, 0, 0, "56");
  TypeCell(grid, 0, 2, "1,12-16");
  form.MoreButton->click();
  form.MoreButton->click();
  EXPECT_EQ(grid->rowCount(), 3);
  EXPECT_TRUE(form.LessButton->isEnabled());
  TypeCell(grid, 2, 0, "202");
  // Rows without an application are dropped.
  EXPECT_EQ(form.GetData(), (FilterCriteriaLines{"Local", "15-20", "1", "56 1,12-16", "202 "}));

  form.LessButton->click();
  EXPECT_EQ(grid->rowCount(), 2);
  form.MoreButton->click();
  EXPECT_EQ(CellText(grid, 2, 0), "");  // a row added again starts empty

  form.SetData({"", "9", "0", "38 5", "136 1-3"});
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(CellText(grid, 0, 1), "Room Control System");
  EXPECT_EQ(CellText(grid, 1, 2), "1-3");
  EXPECT_TRUE(form.TxRxRadioButtons[0]->isChecked());
  EXPECT_EQ(form.AddressEdit->text(), "9");

  form.ClearButton->click();
  EXPECT_EQ(form.GetData(), (FilterCriteriaLines{"", "", "2"}));
  EXPECT_EQ(grid->rowCount(), 1);
  EXPECT_FALSE(form.LessButton->isEnabled());
}

TEST(FilterForm, OkTurnsFilteringOnAndTheClearedListOff) {
  WhenShown([](TFilterForm& form) {
    form.TxRxRadioButtons[1]->setChecked(true);
    form.OKButton->click();
  });
  const auto received = RunFilterDialog(false, std::nullopt, nullptr);
  ASSERT_TRUE(received);
  EXPECT_EQ(*received, (FilterCriteriaLines{"", "", "1"}));
  EXPECT_TRUE(FilterMenuChecked(*received));

  // The dialog opens with the criteria in force; Clear and OK switch off.
  QString shownDirection;
  WhenShown([&](TFilterForm& form) {
    shownDirection = form.TxRxRadioButtons[1]->isChecked() ? "received" : "other";
    form.ClearButton->click();
    form.OKButton->click();
  });
  const auto cleared = RunFilterDialog(false, received, nullptr);
  EXPECT_EQ(shownDirection, "received");
  ASSERT_TRUE(cleared);
  EXPECT_FALSE(FilterMenuChecked(*cleared));

  int help = 0;
  WhenShown([](TFilterForm& form) {
    form.HelpButton->click();
    form.CancelButton->click();
  });
  EXPECT_FALSE(RunFilterDialog(false, received, nullptr, [&](int topic) { help = topic; }));
  EXPECT_EQ(help, 100);

  // On the session's live filter: received messages only.
  Session session;
  WhenShown([](TFilterForm& form) {
    form.TxRxRadioButtons[1]->setChecked(true);
    form.OKButton->click();
  });
  ASSERT_TRUE(OptionsLiveFilterItemClick(session, nullptr));
  EXPECT_TRUE(session.Monitor.Filter.Checked);
  EXPECT_FALSE(LiveFilterMatches(session.Monitor.Filter, session.Decoder, "\\0538007910", true));
  EXPECT_TRUE(LiveFilterMatches(session.Monitor.Filter, session.Decoder, "0503380079108F", false));
  WhenShown([](TFilterForm& form) { form.CancelButton->click(); });
  EXPECT_FALSE(OptionsLiveFilterItemClick(session, nullptr));
  EXPECT_TRUE(session.Monitor.Filter.Checked);

  QLabel label;
  ShowWarningLabel(label, session.Monitor);
  EXPECT_EQ(label.text(), "FILTERING ACTIVE");
  ShowWarningLabel(label, true, true);
  EXPECT_EQ(label.text(), "FILTERING, LOGGING ACTIVE");
  ShowWarningLabel(label, false, true);
  EXPECT_EQ(label.text(), "LOGGING ACTIVE");
  ShowWarningLabel(label, false, false);
  EXPECT_EQ(label.text(), "");
}

}  // namespace
}  // namespace zelvo
