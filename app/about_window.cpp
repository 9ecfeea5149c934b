#include "app/about_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "version/version.h"

namespace delvora {
namespace {

constexpr int kWidth = 400;

QLabel* blueLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPixelSize(15);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: blue;"));
  label->setTextFormat(Qt::PlainText);
  label->adjustSize();
  return label;
}

// A label centred across the window at top.
QLabel* centredLabel(const QString& text, int top, QWidget* parent) {
  QLabel* label = blueLabel(text, parent);
  label->move((kWidth - label->width()) / 2, top);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Delvora"));
  setFixedSize(kWidth, 239);
  move(67, 90);

  auto* banner = new QLabel(this);
  banner->setPixmap(QPixmap(QStringLiteral(":/app/banner.xpm")));
  banner->setGeometry(0, 0, kWidth, 100);

  blueLabel(tr("The Random Dungeon Generator"), this)->move(82, 108);
  m_version = centredLabel(tr("Version %1").arg(QString::fromLatin1(buildVersion())), 132, this);
  m_licence = centredLabel(QString::fromLatin1(kLicenceNotice), 156, this);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setGeometry(158, 186, 73, 33);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace delvora
