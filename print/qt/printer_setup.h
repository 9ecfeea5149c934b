#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>
#include <string_view>

#include "print/page_metrics.h"
#include "print/print_layout.h"
#include "print/qt/print_commands.h"

namespace delvora {

// Resolution of PDF output, in dots per inch.
inline constexpr int kPdfResolution = 600;

// A printer with the painter of its job.
struct PrintJob {
  std::unique_ptr<QPrinter> printer;
  QPainter painter;
  // The PDF being written; empty for a real printer.
  std::string pdfPath;
  // True when the user chose the PDF's name in the file dialog.
  bool pdfChosen = false;

  // Ends the job normally. False when a PDF could not be written in full (a full disk); the
  // damaged file is then removed.
  bool end();
  // Discards the job: the printer drops it, a PDF is removed.
  void abort();
};

// A job that has begun, or why none has.
struct JobStart {
  std::unique_ptr<PrintJob> job;
  // Without a job: the message to show, empty when the user cancelled the PDF file dialog.
  std::string failure;
};

// Begins a job on the printer the commands use: session.pdfPath or $DELVORA_PRINT_PDF when set,
// else the system's default printer, else a PDF whose name ui asks for with question. A PDF is
// A4 (Letter when the locale's paper is Letter) at 600 dots per inch. An orientation given (else
// the last set) is applied and remembered. A PDF that cannot be written fails with "Cannot
// create file" and its name, a printer that cannot begin with kPrinterMissingMessage.
JobStart beginPrintJob(PrintSession& session, PrintUi& ui,
                       std::optional<PageOrientation> orientation, const PdfFileQuestion& question);

// The file dialog's question for the print command called command on source's map.
PdfFileQuestion pdfQuestion(const char* command, const PrintSource& source);

// The page values of the printer's paper and printable area at its resolution.
DeviceCaps printerCaps(const QPrinter& printer);

// "Arial" in points on the printer: the desktop's metric-compatible sans-serif face (Liberation
// Sans or Arimo), else the system's general font.
QFont printerFont(int points);

// Dressing and caption bytes as text: UTF-8 when valid, else Latin-1.
QString printText(std::string_view bytes);

// Draws text with its top-left corner at (x, y), as a line printer places it.
void drawTextAt(QPainter& painter, int x, int y, const QString& text);

// The local time now, for the footer.
FooterTime footerTimeNow();

// Draws the settings footer at x on the bottom of the painter's page.
void drawSettingsFooter(QPainter& painter, int x, int pageHeight, const PrintSource& source);

}  // namespace delvora
