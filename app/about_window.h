#pragma once

#include <QDialog>

namespace delvora {

// The about window: banner, subtitle, version and web address, closed only by "OK". Laid out
// in fixed pixels.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace delvora
