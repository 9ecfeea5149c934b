#pragma once

#include <QDialog>

class QLabel;

namespace delvora {

// The about window: banner, subtitle, version and licence, closed by "OK", Escape or the
// title bar's close button. Laid out in fixed pixels.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  QLabel* versionLabel() const { return m_version; }
  QLabel* licenceLabel() const { return m_licence; }

 private:
  QLabel* m_version = nullptr;
  QLabel* m_licence = nullptr;
};

}  // namespace delvora
