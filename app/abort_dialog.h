#pragma once

#include <QDialog>

class QPushButton;

namespace delvora {

// The print progress window: caption "Printing" (the progress text while a job prints), a
// "&Cancel" default button, always on top, centred on the screen, without title-bar buttons,
// wide enough for the whole caption of any page.
class AbortDialog : public QDialog {
  Q_OBJECT

 public:
  // Client size at 96 dots per inch; scaled to the screen's resolution.
  static constexpr int kClientWidth = 174;
  static constexpr int kClientHeight = 98;

  explicit AbortDialog(QWidget* parent = nullptr);

  // The width that shows the longest progress caption in the title bar of dialog's style.
  static int widthForCaptions(const QWidget& dialog);

  // 0 until Cancel is pressed, then -1.
  int cancelFlag() const { return m_cancelFlag; }
  bool cancelled() const { return m_cancelFlag != 0; }
  QPushButton* cancelButton() const { return m_cancelButton; }

  // Sets the caption and lets the dialog process its pending events.
  void setText(const QString& text);
  // Lets the dialog process its pending events, then tells whether Cancel was pressed.
  bool checkCancelled();

  // Escape counts as Cancel and leaves the dialog open, as the close button is missing.
  void reject() override { onCancelClicked(); }

 public slots:
  void onCancelClicked() { m_cancelFlag = -1; }

 private:
  QPushButton* m_cancelButton = nullptr;
  int m_cancelFlag = 0;
};

}  // namespace delvora
