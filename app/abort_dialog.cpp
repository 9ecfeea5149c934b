#include "app/abort_dialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "print/print_layout.h"

namespace delvora {

int AbortDialog::widthForCaptions(const QWidget& dialog) {
  QFont bold = dialog.font();
  bold.setBold(true);
  const QString widest = QString::fromStdString(pageProgressText(99, 99, 100));
  // Title bars draw the caption in a bold face between the window icon and the buttons.
  const int decorations = 4 * dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return QFontMetrics(bold).horizontalAdvance(widest) + decorations;
}

AbortDialog::AbortDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setWindowTitle(tr("Printing"));
  const double scale = logicalDpiX() / 96.0;
  const QSize client(std::max(qRound(kClientWidth * scale), widthForCaptions(*this)),
                     qRound(kClientHeight * scale));
  setFixedSize(client);
  m_cancelButton = new QPushButton(tr("&Cancel"), this);
  m_cancelButton->setDefault(true);
  m_cancelButton->setAutoDefault(true);
  const QSize button = m_cancelButton->sizeHint();
  // Centred in the upper half.
  m_cancelButton->move((client.width() - button.width()) / 2,
                       (client.height() / 2 - button.height()) / 2);
  m_cancelButton->resize(button);
  connect(m_cancelButton, &QPushButton::clicked, this, &AbortDialog::onCancelClicked);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(client.width() / 2, client.height() / 2));
  }
}

void AbortDialog::setText(const QString& text) {
  setWindowTitle(text);
  QCoreApplication::processEvents();
}

bool AbortDialog::checkCancelled() {
  QCoreApplication::processEvents();
  return cancelled();
}

}  // namespace delvora
