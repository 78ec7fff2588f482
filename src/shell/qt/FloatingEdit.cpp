#include "shell/qt/FloatingEdit.h"

#include <QFocusEvent>
#include <QLocale>

namespace zelvo {

FloatingEdit::FloatingEdit(Host& host, FloatingEditKind kind, const QString& text, QWidget* parent)
    : QLineEdit(text, parent), host_(host), kind_(kind) {}

std::optional<double> FloatingEdit::Value() const {
  bool ok = false;
  const double v = QLocale().toDouble(text().trimmed(), &ok);
  if (!ok) return std::nullopt;
  return v;
}

bool FloatingEdit::CheckFloatingEdit() {
  if (checking_) return true;
  checking_ = true;
  const bool ok = CheckFloatingValue(host_, kind_, Value());
  checking_ = false;
  if (!ok) setFocus(Qt::OtherFocusReason);
  return ok;
}

void FloatingEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  FloatingEditExit();
}

}  // namespace zelvo
