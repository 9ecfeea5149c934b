#include "app/battle_map_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace delvora {

BattleMapDialog::BattleMapDialog(const BattleMapRequest& initial, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Print Battle Map"));
  m_square = new QComboBox(this);
  m_square->addItem(tr("1 inch, as battle mats"));
  m_square->addItem(tr("25.6 mm, as Print Map 25mm Scale"));
  m_square->setCurrentIndex(initial.options.square == SquareSize::Inch ? 0 : 1);
  m_paper = new QComboBox(this);
  m_paper->addItem(tr("A4"));
  m_paper->addItem(tr("Letter"));
  m_paper->setCurrentIndex(initial.options.paper == PaperSize::A4 ? 0 : 1);
  m_style = new QComboBox(this);
  m_style->addItem(tr("Ink: white ground, black walls, little ink"));
  m_style->addItem(tr("Classic: the map's colours"));
  m_style->setCurrentIndex(initial.options.look.style == MapStyle::Ink ? 0 : 1);
  m_hatching = new QCheckBox(tr("Hatch the rock around the walls"), this);
  m_hatching->setChecked(initial.options.look.hatching);
  m_printer = new QRadioButton(tr("Printer"), this);
  m_pdfFile = new QRadioButton(tr("PDF file"), this);
  (initial.toPdfFile ? m_pdfFile : m_printer)->setChecked(true);

  auto* form = new QFormLayout;
  form->addRow(tr("Grid square:"), m_square);
  form->addRow(tr("Paper:"), m_paper);
  form->addRow(tr("Style:"), m_style);
  form->addRow(QString(), m_hatching);
  auto* output = new QHBoxLayout;
  output->addWidget(m_printer);
  output->addWidget(m_pdfFile);
  output->addStretch();
  form->addRow(tr("Print to:"), output);
  auto* note =
      new QLabel(tr("Print at actual size. The first page shows how the pages go together."), this);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("Print"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(buttons);
}

BattleMapRequest BattleMapDialog::request() const {
  BattleMapRequest request;
  request.options.square = m_square->currentIndex() == 0 ? SquareSize::Inch : SquareSize::Mm25_6;
  request.options.paper = m_paper->currentIndex() == 0 ? PaperSize::A4 : PaperSize::Letter;
  request.options.look.style = m_style->currentIndex() == 0 ? MapStyle::Ink : MapStyle::Classic;
  request.options.look.hatching = m_hatching->isChecked();
  request.toPdfFile = m_pdfFile->isChecked();
  return request;
}

}  // namespace delvora
