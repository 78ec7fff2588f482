#pragma once
// The editable number combo box of the tabs and dialogs: a run of
// consecutive numbers in the current number format, checked when the user
// leaves it (or presses an Alt key combination) against the run's range.
// The items and the check come from the core (shell/ValueEntry.h).

#include <QComboBox>

#include "shell/ValueEntry.h"

namespace zelvo {

class Host;
struct UserOptions;

class NumberComboBox : public QComboBox {
  Q_OBJECT
 public:
  // `options` is read at every fill and check, so a change of "Hexadecimal
  // Numbers" is seen at once.
  NumberComboBox(Host& host, const UserOptions& options, QWidget* parent = nullptr);

  // Each fills the box with its kind of list, selects item `index` and keeps
  // the first number as the box's tag.
  void FillCombo(int Start, int Size, int Default);
  void FillDecimalCombo(int Start, int Size, int Index);
  void FillComboWithAll(int Start, int Size, int Index);
  void FillLanguageCombo(int Start, int Size, int Index);
  // Rebuilds the list in the current number format, keeping the selected
  // item index (RefillCombo, RefillComboWithAll, RefillLanguageCombo).
  void RefillCombo();

  // The integer-combo check: selects the item the text stands for, or shows
  // the range message, takes the focus back and returns false.
  bool CheckIntegerComboBox();
  // Leave and key handlers shared by every number combo.
  void IntegerComboBoxExit();
  void IntegerComboBoxKeyDown(int Key, Qt::KeyboardModifiers Shift);

  // The drop-down list as wide as its longest item plus 30 pixels; with
  // auto width on, done each time the list opens (AutoWidthComboBoxDropDown).
  void SetComboDropDownWidth();
  void SetAutoWidthDropDown(bool on) { autoWidth_ = on; }

  const NumberList& List() const { return list_; }
  int Tag() const { return list_.Start; }
  // The number selected (tag + item index); for the "All" item, Tag + Size.
  int Value() const { return list_.Start + currentIndex(); }
  bool AllSelected() const { return list_.Kind == NumberListKind::WithAll && currentIndex() == list_.Size; }

 signals:
  // The user left the box (or checked it with an Alt key) and its entry was valid.
  void entryChecked();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showPopup() override;

 private:
  void Fill(NumberList list, int index);

  Host& host_;
  const UserOptions& options_;
  NumberList list_;
  bool autoWidth_ = false;
  bool checking_ = false;
  bool leaving_ = false;  // the error box takes the focus while the check runs
};

}  // namespace zelvo
