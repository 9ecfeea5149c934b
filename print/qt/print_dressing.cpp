#include <QFontMetrics>
#include <map>

#include "print/dressing_printout.h"
#include "print/qt/print_commands.h"
#include "print/qt/printer_setup.h"

namespace delvora {

namespace {

// Text measurement in the printer's fonts, one QFontMetrics per point size.
class PrinterMeasure {
 public:
  explicit PrinterMeasure(QPaintDevice* device) : m_device(device) {}

  TextMeasure measure() {
    return {[this](std::string_view text, int points) {
              return metrics(points).horizontalAdvance(printText(text));
            },
            [this](int points) { return metrics(points).height(); }};
  }

 private:
  const QFontMetrics& metrics(int points) {
    auto found = m_metrics.find(points);
    if (found == m_metrics.end()) {
      found = m_metrics.emplace(points, QFontMetrics(printerFont(points), m_device)).first;
    }
    return found->second;
  }

  QPaintDevice* m_device;
  std::map<int, QFontMetrics> m_metrics;
};

}  // namespace

void printDressing(PrintSession& session, const PrintSource& source, PrintUi& ui) {
  const JobStart start =
      beginPrintJob(session, ui, PageOrientation::Portrait, pdfQuestion("Print Dressing", source));
  if (!start.job) {
    if (!start.failure.empty()) ui.showMessage(start.failure);
    return;
  }
  PrintJob* const job = start.job.get();
  QPainter& painter = job->painter;
  const int pageWidth = painter.device()->width();
  const int pageHeight = painter.device()->height();
  PrinterMeasure measure(painter.device());
  const PrintoutLayout layout = layoutPrintout(
      dressingPrintLines(source.dungeon.model(), source.dungeon.tables(), source.dungeon.caption()),
      pageWidth, pageHeight, measure.measure());
  int page = 1;
  for (const PlacedLine& line : layout.lines) {
    for (; page < line.page; ++page) job->printer->newPage();
    if (line.text.empty()) continue;
    painter.setFont(printerFont(line.points));
    drawTextAt(painter, 0, line.y, printText(line.text));
  }
  for (; page < layout.pages; ++page) job->printer->newPage();
  drawSettingsFooter(painter, kDressingFooterX, pageHeight, source);
  if (!job->end()) {
    ui.showMessage("Cannot create file " + job->pdfPath);
  } else if (job->pdfChosen) {
    ui.showMessage(pdfSavedMessage(job->pdfPath));
  }
}

}  // namespace delvora
