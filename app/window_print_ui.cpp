#include "app/window_print_ui.h"

#include <QApplication>
#include <QCursor>
#include <QFile>

namespace delvora {

WindowPrintUi::~WindowPrintUi() = default;

void WindowPrintUi::showMessage(const std::string& text) {
  m_dialogs.showMessage(&m_window, QString::fromStdString(text));
}

std::string WindowPrintUi::askPdfFileName(const PdfFileQuestion& question) {
  const SaveFileRequest request{
      QStringLiteral("pdf"), QString::fromStdString(question.suggestedName),
      QStringLiteral("PDF Files (*.pdf)"), true, QString::fromStdString(question.command)};
  const std::optional<QString> name = m_dialogs.askSaveFileName(&m_window, request);
  if (!name) return "";
  return QFile::encodeName(*name).toStdString();
}

bool WindowPrintUi::createAbortDialog() {
  // Without a parent, so that the dialog's life is this object's alone; Qt does not disable
  // it with the map window.
  m_abortDialog = std::make_unique<AbortDialog>();
  m_abortDialog->show();
  return true;
}

void WindowPrintUi::setAbortText(const std::string& text) {
  if (m_abortDialog) m_abortDialog->setText(QString::fromStdString(text));
}

bool WindowPrintUi::abortCancelled() {
  return m_abortDialog && m_abortDialog->checkCancelled();
}

void WindowPrintUi::closeAbortDialog() {
  m_abortDialog.reset();
}

void WindowPrintUi::processEvents() {
  QApplication::processEvents();
}

void WindowPrintUi::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void WindowPrintUi::setWindowEnabled(bool enabled) {
  m_window.setEnabled(enabled);
}

}  // namespace delvora
