#include "app/abort_dialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace delvora {

TAbortDialog::TAbortDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setWindowTitle(tr("Printing"));
  const double scale = logicalDpiX() / 96.0;
  const QSize client(qRound(kClientWidth * scale), qRound(kClientHeight * scale));
  setFixedSize(client);
  m_btnCancel = new QPushButton(tr("&Cancel"), this);
  m_btnCancel->setDefault(true);
  m_btnCancel->setAutoDefault(true);
  const QSize button = m_btnCancel->sizeHint();
  // Centred in the upper half.
  m_btnCancel->move((client.width() - button.width()) / 2,
                    (client.height() / 2 - button.height()) / 2);
  m_btnCancel->resize(button);
  connect(m_btnCancel, &QPushButton::clicked, this, &TAbortDialog::btnCancelClick);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(client.width() / 2, client.height() / 2));
  }
}

void TAbortDialog::setText(const QString& text) {
  setWindowTitle(text);
  QCoreApplication::processEvents();
}

bool TAbortDialog::checkCancelled() {
  QCoreApplication::processEvents();
  return cancelled();
}

}  // namespace delvora
