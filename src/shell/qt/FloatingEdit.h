#pragma once
// An edit for a floating-point value, checked when the user leaves it: the
// text must be a number in the user's locale and, for the edits with a range
// of their own (the HVAC temperature, the short-information number), within
// that range. The rules are the core's (shell/ValueEntry.h).

#include <QLineEdit>
#include <optional>

#include "shell/ValueEntry.h"

namespace zelvo {

class Host;

class FloatingEdit : public QLineEdit {
  Q_OBJECT
 public:
  FloatingEdit(Host& host, FloatingEditKind kind, const QString& text, QWidget* parent = nullptr);

  // Shows the message and takes the focus back on a bad entry.
  bool CheckFloatingEdit();
  void FloatingEditExit() { CheckFloatingEdit(); }
  // The value in the user's locale; nullopt when the text is not a number.
  std::optional<double> Value() const;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Host& host_;
  FloatingEditKind kind_;
  bool checking_ = false;
};

}  // namespace zelvo
