#include "app/percent_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace delvora {

bool isPercentKeyAccepted(QChar c) {
  return (c >= u'0' && c <= u'9') || c == QChar(8) || c == QChar(13);
}

PercentEdit::PercentEdit(QWidget* parent) : QAbstractSpinBox(parent) {
  lineEdit()->setMaxLength(2);
  setWrapping(false);
  // The text is kept as typed until the field is left; no correction while typing.
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
}

void PercentEdit::setValue(const QString& text) {
  lineEdit()->setText(text.left(2));
}

int PercentEdit::percent() const {
  return std::clamp(text().toInt(), 0, kMaximum);
}

void PercentEdit::clampText() {
  if (text().isEmpty()) {
    lineEdit()->setText(QStringLiteral("0"));
  } else if (text().toInt() > kMaximum) {
    lineEdit()->setText(QString::number(kMaximum));
  }
}

void PercentEdit::stepBy(int steps) {
  lineEdit()->setText(QString::number(std::clamp(percent() + steps, 0, kMaximum)));
}

QValidator::State PercentEdit::validate(QString& input, int& /*pos*/) const {
  if (input.size() > 2) return QValidator::Invalid;
  for (const QChar c : input) {
    if (!c.isDigit()) return QValidator::Invalid;
  }
  return QValidator::Acceptable;
}

void PercentEdit::fixup(QString& /*input*/) const {}

QAbstractSpinBox::StepEnabled PercentEdit::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (percent() > 0) enabled |= StepDownEnabled;
  if (percent() < kMaximum) enabled |= StepUpEnabled;
  return enabled;
}

void PercentEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  // Keys that type nothing (arrows, Delete, Home ...) are not characters and pass, and so do
  // Escape, which closes the window, and the shortcuts that select or copy the text; every other
  // typed character, control characters such as Ctrl+V included, goes through the filter.
  const bool keepsText = event->key() == Qt::Key_Escape ||
                         event->matches(QKeySequence::SelectAll) ||
                         event->matches(QKeySequence::Copy);
  if (typed.size() == 1 && !keepsText && !isPercentKeyAccepted(typed.front())) {
    QApplication::beep();
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void PercentEdit::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
    clampText();
  }
  QAbstractSpinBox::focusOutEvent(event);
}

}  // namespace delvora
