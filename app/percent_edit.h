#pragma once

#include <QAbstractSpinBox>

namespace delvora {

// A door percentage: an edit of at most two characters with spin buttons stepping 0..20.
// Typing accepts only digits, Backspace and Enter (anything else beeps; Ctrl+A and Ctrl+C
// select and copy as in any field); leaving the field
// turns an empty text into "0" and a value above 20 into "20".
class PercentEdit : public QAbstractSpinBox {
  Q_OBJECT

 public:
  static constexpr int kMaximum = 20;

  explicit PercentEdit(QWidget* parent = nullptr);

  QString value() const { return text(); }
  void setValue(const QString& text);
  // The value the engine reads: the text as an integer, clamped as leaving the field does.
  int percent() const;
  // What leaving the field does to the text.
  void clampText();

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// The key filter of the percentage edits: digits, Backspace (8) and Enter (13) pass.
bool isPercentKeyAccepted(QChar c);

}  // namespace delvora
