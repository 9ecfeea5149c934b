#include "app/about_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace delvora {
namespace {

constexpr char kWebAddress[] = "https://delvora.example/";

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

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Delvora"));
  setFixedSize(400, 239);
  move(67, 90);

  auto* banner = new QLabel(this);
  banner->setPixmap(QPixmap(QStringLiteral(":/app/banner.xpm")));
  banner->setGeometry(0, 0, 400, 100);

  blueLabel(tr("The Random Dungeon Generator"), this)->move(82, 108);
  auto* version = blueLabel(tr("Version %1").arg(QStringLiteral(DELVORA_VERSION)), this);
  version->move((400 - version->width()) / 2, 132);
  blueLabel(QString::fromLatin1(kWebAddress), this)->move(132, 156);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setGeometry(158, 186, 73, 33);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace delvora
