#pragma once

#include <QDialog>

namespace delvora {

// The about window: banner, subtitle, version and web address, closed only by "OK". Laid out
// in fixed pixels.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

 protected:
  // The window has no title-bar buttons: a close request from the window system is refused,
  // so "OK" (or Escape) is the way out.
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace delvora
