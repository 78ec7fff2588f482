#include "shell/qt/NumberComboBox.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>

#include "decode/Lighting.h"
#include "shell/Session.h"

namespace zelvo {

NumberComboBox::NumberComboBox(Host& host, const UserOptions& options, QWidget* parent)
    : QComboBox(parent), host_(host), options_(options) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // Picking an item is a valid entry too.
  connect(this, &QComboBox::activated, this, [this] {
    if (!leaving_) emit entryChecked();
  });
}

void NumberComboBox::Fill(NumberList list, int index) {
  list_ = list;
  const auto items =
      NumberListItems(list_, options_.HexNumbers,
                      list_.Kind == NumberListKind::Language ? std::function<std::string(int)>(LanguageName)
                                                             : std::function<std::string(int)>());
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& item : items) texts.push_back(QString::fromStdString(item));
  QSignalBlocker block(this);
  clear();
  addItems(texts);
  setCurrentIndex(index >= 0 && index < count() ? index : (count() > 0 ? 0 : -1));
}

void NumberComboBox::FillCombo(int Start, int Size, int Default) {
  Fill({NumberListKind::Integer, Start, Size}, Default);
}
void NumberComboBox::FillDecimalCombo(int Start, int Size, int Index) {
  Fill({NumberListKind::Decimal, Start, Size}, Index);
}
void NumberComboBox::FillComboWithAll(int Start, int Size, int Index) {
  Fill({NumberListKind::WithAll, Start, Size}, Index);
}
void NumberComboBox::FillLanguageCombo(int Start, int Size, int Index) {
  Fill({NumberListKind::Language, Start, Size}, Index);
}

void NumberComboBox::RefillCombo() { Fill(list_, currentIndex()); }

bool NumberComboBox::CheckIntegerComboBox() {
  if (checking_) return true;
  checking_ = true;
  const auto index = CheckIntegerComboText(host_, list_, currentText().toStdString(), options_.HexNumbers);
  checking_ = false;
  if (!index) {
    setFocus(Qt::OtherFocusReason);
    return false;
  }
  // The typed text gives way to the item in its canonical form.
  setCurrentIndex(*index);
  setEditText(itemText(*index));
  return true;
}

void NumberComboBox::IntegerComboBoxExit() {
  if (CheckIntegerComboBox()) emit entryChecked();
}

void NumberComboBox::IntegerComboBoxKeyDown(int Key, Qt::KeyboardModifiers Shift) {
  if ((Shift & Qt::AltModifier) && Key != Qt::Key_Alt) IntegerComboBoxExit();
}

void NumberComboBox::SetComboDropDownWidth() {
  const QFontMetrics metrics(font());
  int width = 0;
  for (int i = 0; i < count(); ++i) width = std::max(width, metrics.horizontalAdvance(itemText(i)) + 30);
  view()->setMinimumWidth(width);
}

void NumberComboBox::focusOutEvent(QFocusEvent* event) {
  // Leaving an editable box commits its text as an activation; the check
  // below decides instead.
  leaving_ = true;
  QComboBox::focusOutEvent(event);
  leaving_ = false;
  // Opening the list, or another window taking over, is not leaving the box.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  IntegerComboBoxExit();
}

void NumberComboBox::keyPressEvent(QKeyEvent* event) {
  IntegerComboBoxKeyDown(event->key(), event->modifiers());
  QComboBox::keyPressEvent(event);
}

void NumberComboBox::showPopup() {
  if (autoWidth_) SetComboDropDownWidth();
  QComboBox::showPopup();
}

}  // namespace zelvo
