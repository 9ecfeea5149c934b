#pragma once

#include <QDialog>

#include "app/dialogs.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace delvora {

// "Print Battle Map...": the square, the paper, the style and the hatching, and whether the
// pages go to the printer or to a PDF file. It only shows and reads the values.
class BattleMapDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BattleMapDialog(const BattleMapRequest& initial, QWidget* parent = nullptr);

  BattleMapRequest request() const;

 private:
  QComboBox* m_square = nullptr;
  QComboBox* m_paper = nullptr;
  QComboBox* m_style = nullptr;
  QCheckBox* m_hatching = nullptr;
  QRadioButton* m_printer = nullptr;
  QRadioButton* m_pdfFile = nullptr;
};

}  // namespace delvora
