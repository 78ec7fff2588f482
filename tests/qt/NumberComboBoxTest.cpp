#include "shell/qt/NumberComboBox.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>

#include "builders/qt/LightingTab.h"
#include "shell/Session.h"
#include "shell/qt/FloatingEdit.h"
#include "shell/qt/NumberComboRegistry.h"
#include "support/TrafficBench.h"

namespace zelvo {
namespace {

struct ComboSnapshot {
  QStringList items;
  int index;
  bool operator==(const ComboSnapshot&) const = default;
};

ComboSnapshot Snapshot(const QComboBox& combo) {
  ComboSnapshot s{{}, combo.currentIndex()};
  for (int i = 0; i < combo.count(); ++i) s.items.push_back(combo.itemText(i));
  return s;
}

class NumberComboTest : public ::testing::Test {
 protected:
  test::TrafficBench b;
  UserOptions& options = b.session.User;
};

TEST_F(NumberComboTest, LeavingChecksTheRangeInTheCurrentFormat) {
  NumberComboBox apps(b.host, options);
  apps.FillCombo(0, 256, 56);
  EXPECT_EQ(apps.currentText(), "56");
  EXPECT_EQ(apps.Tag(), 0);

  apps.setEditText("300");
  EXPECT_FALSE(apps.CheckIntegerComboBox());
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text, "Invalid input, must be a number in the range 0 to 255");
  EXPECT_EQ(b.host.messages[0].Icon, MsgIcon::Error);

  options.HexNumbers = true;
  apps.RefillCombo();
  apps.setEditText("300");
  EXPECT_FALSE(apps.CheckIntegerComboBox());
  EXPECT_EQ(b.host.messages.back().Text, "Invalid input, must be a number in the range 00 to FF");

  // A valid entry selects its item and takes its canonical form.
  apps.setEditText("2a");
  EXPECT_TRUE(apps.CheckIntegerComboBox());
  EXPECT_EQ(apps.currentIndex(), 42);
  EXPECT_EQ(apps.currentText(), "2A");
  EXPECT_EQ(apps.Value(), 42);
}

TEST_F(NumberComboTest, FocusOutAndAltKeysCheckButOpeningTheListDoesNot) {
  NumberComboBox level(b.host, options);
  level.FillCombo(-128, 256, 128);  // the HVAC plant level
  int accepted = 0;
  QObject::connect(&level, &NumberComboBox::entryChecked, [&] { ++accepted; });

  level.setEditText("500");
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(&level, &popup);
  EXPECT_TRUE(b.host.messages.empty());

  QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(&level, &tab);
  EXPECT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(accepted, 0);

  level.IntegerComboBoxKeyDown(Qt::Key_Down, Qt::NoModifier);
  EXPECT_EQ(b.host.messages.size(), 1u);
  level.IntegerComboBoxKeyDown(Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(b.host.messages.size(), 2u);

  // In hex a negative range reads 80 as -128.
  options.HexNumbers = true;
  level.RefillCombo();
  level.setEditText("80");
  QApplication::sendEvent(&level, &tab);
  EXPECT_EQ(b.host.messages.size(), 2u);
  EXPECT_EQ(level.Value(), -128);
  EXPECT_EQ(accepted, 1);
}

TEST_F(NumberComboTest, SwitchingTheFormatTwiceRestoresEveryList) {
  QWidget root;
  bool ownRefill = false;
  auto* apps = new NumberComboBox(b.host, options, &root);
  apps->FillCombo(0, 256, 56);
  auto* fade = new NumberComboBox(b.host, options, &root);
  fade->FillDecimalCombo(-100, 201, 150);
  auto* access = new NumberComboBox(b.host, options, &root);
  access->FillComboWithAll(0, 255, 255);
  auto* language = new NumberComboBox(b.host, options, &root);
  language->FillLanguageCombo(0, 256, 9);
  bool warning = true;
  auto* lighting = new LightingTab(b.traffic, warning, &root);
  lighting->LightingLevelLevelRadioButton->setChecked(true);
  lighting->LightingLevelComboBox->setCurrentIndex(200);
  lighting->LightingGroupComboBox->setCurrentIndex(31);

  std::vector<QComboBox*> combos = {apps, fade, access, language};
  for (auto* c : root.findChildren<NumberComboBox*>()) combos.push_back(c);
  std::vector<ComboSnapshot> before;
  for (auto* c : combos) before.push_back(Snapshot(*c));

  NumberComboRegistry registry;
  registry.AddRoot(&root);
  registry.AddRefill([&](bool hex) { ownRefill = hex; });
  b.session.Traffic.ErrorHistory.push_back("an old error line");

  registry.SetHexAndUpdateAllCombos(b.session, true);
  EXPECT_TRUE(options.HexNumbers);
  EXPECT_TRUE(ownRefill);
  EXPECT_TRUE(b.session.Traffic.ErrorHistory.empty());
  EXPECT_EQ(apps->currentText(), "38");
  EXPECT_EQ(fade->currentText(), "50");  // always decimal
  EXPECT_EQ(access->currentText(), "All");
  EXPECT_EQ(lighting->LightingLevelComboBox->currentText(), "C8");
  EXPECT_EQ(lighting->LightingGroupComboBox->currentText(), "1F");
  EXPECT_TRUE(language->itemText(9).startsWith("09"));

  registry.SetHexAndUpdateAllCombos(b.session, false);
  for (std::size_t i = 0; i < combos.size(); ++i) EXPECT_EQ(Snapshot(*combos[i]), before[i]) << i;
}

TEST_F(NumberComboTest, DropDownAsWideAsTheLongestItem) {
  NumberComboBox language(b.host, options);
  language.FillLanguageCombo(0, 256, 0);
  language.SetComboDropDownWidth();
  const QFontMetrics metrics(language.font());
  int widest = 0;
  for (int i = 0; i < language.count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(language.itemText(i)));
  EXPECT_EQ(language.view()->minimumWidth(), widest + 30);

  QLabel label;
  ShowDataEntryMode(label, true);
  EXPECT_EQ(label.text(), "Data Entry Mode: HEXADECIMAL");
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::red));
  ShowDataEntryMode(label, false);
  EXPECT_EQ(label.text(), "Data Entry Mode: DECIMAL");
}

TEST_F(NumberComboTest, FloatingEditsCheckTheirRangeWhenLeft) {
  QLocale::setDefault(QLocale::c());
  FloatingEdit temperature(b.host, FloatingEditKind::HvacTemperature, "20.0");
  EXPECT_EQ(temperature.Value(), 20.0);
  QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(&temperature, &tab);
  EXPECT_TRUE(b.host.messages.empty());
  temperature.setText("127.5");
  QApplication::sendEvent(&temperature, &tab);
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text, "Temperature must be in the range -128.0 to +127.0 degrees C");
  temperature.setText("warm");
  EXPECT_FALSE(temperature.CheckFloatingEdit());
  EXPECT_EQ(b.host.messages.back().Text, "Invalid floating point number ");

  // The user's locale decides the decimal separator.
  QLocale::setDefault(QLocale(QLocale::German));
  FloatingEdit number(b.host, FloatingEditKind::ShortInfoNumber, "3276,79");
  EXPECT_TRUE(number.CheckFloatingEdit());
  number.setText("3276,8");
  EXPECT_FALSE(number.CheckFloatingEdit());
  QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace zelvo
