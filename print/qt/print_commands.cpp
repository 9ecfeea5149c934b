#include "print/qt/print_commands.h"

#include <QFontMetrics>

#include "print/dib.h"
#include "print/page_metrics.h"
#include "print/qt/printer_setup.h"
#include "print/qt/qt_print_device.h"
#include "print/rejig_pallete.h"
#include "render/clip_image.h"

namespace delvora {

namespace {

constexpr int kTitlePoints = 12;
constexpr int kLabelPoints = 10;
constexpr char kPrintMapCommand[] = "Print Map";
constexpr char kPrintMap25mmCommand[] = "Print Map 25mm Scale";

// Restores the normal cursor on every way out.
class BusyCursor {
 public:
  explicit BusyCursor(PrintUi& ui) : m_ui(ui) { m_ui.setBusy(true); }
  ~BusyCursor() { m_ui.setBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  PrintUi& m_ui;
};

// Keeps the map window disabled, the session marked as printing and the abort dialog open
// while a 25 mm job runs, undoing each on every way out.
class JobGuard {
 public:
  JobGuard(PrintSession& session, PrintUi& ui) : m_session(session), m_ui(ui) {
    m_session.printing = true;
    m_ui.setWindowEnabled(false);
  }
  ~JobGuard() {
    if (m_dialog) m_ui.closeAbortDialog();
    m_ui.setWindowEnabled(true);
    m_session.printing = false;
  }
  JobGuard(const JobGuard&) = delete;
  JobGuard& operator=(const JobGuard&) = delete;

  bool openDialog() { return m_dialog = m_ui.createAbortDialog(); }
  void closeDialog() {
    if (m_dialog) m_ui.closeAbortDialog();
    m_dialog = false;
  }

 private:
  PrintSession& m_session;
  PrintUi& m_ui;
  bool m_dialog = false;
};

// Draws the whole print bitmap stretched into rect.
void drawWholeBitmap(QPainter& painter, const IndexedImage& image, const DeviceRect& rect) {
  const std::optional<Dib> dib = extractDib(image);
  if (!dib) return;
  QtPrintDevice device(painter);
  device.stretchDib(rect, rect, DibView{dib->header, dib->pixels});
}

struct PageJob {
  PrintSession& session;
  PrintUi& ui;
  PrintJob& job;
  const Dib& dib;
  const PageMetrics& metrics;
  PrintedSize printed;
  const std::string& caption;
};

// One page of the 25 mm print: the map's part for page (column, row) and its label.
PrintResult printPage(const PageJob& page, int column, int row) {
  QPainter& painter = page.job.painter;
  painter.save();
  painter.translate(page.metrics.originShiftX, page.metrics.originShiftY);
  painter.setClipRect(QRect(0, 0, page.metrics.usableWidth, page.metrics.usableHeight));
  QtPrintDevice device(painter);
  const TileProgress progress = [&](std::uint32_t done, std::uint32_t total) {
    page.ui.setAbortText(pageProgressText(column, row, progressPercent(done, total)));
    page.ui.processEvents();
    return !page.ui.abortCancelled();
  };
  const PrintResult result = printDibTiled(
      device, page.session.tiler,
      pageDestination(page.printed, column, row, page.metrics.usableWidth,
                      page.metrics.usableHeight),
      DeviceRect{0, 0, page.dib.width, page.dib.height}, page.dib.header, page.dib.pixels,
      ClipRect{0, 0, page.metrics.usableWidth, page.metrics.usableHeight}, progress);
  if (static_cast<int>(result) >= 0) {
    painter.setFont(printerFont(kLabelPoints));
    drawTextAt(painter, 0, 0, printText(pageLabel(page.caption, column, row)));
  }
  painter.restore();
  return result;
}

// Prints every page; returns the message to show at the end.
std::string printPages(const PageJob& page, JobGuard& guard) {
  const PageGrid grid = pageGrid(page.printed, page.metrics.usableWidth, page.metrics.usableHeight);
  for (int row = 1; row <= grid.down; ++row) {
    for (int column = 1; column <= grid.across; ++column) {
      page.ui.processEvents();
      page.ui.setAbortText(pageProgressText(column, row, 0));
      if (page.ui.abortCancelled()) {
        page.job.abort();
        guard.closeDialog();
        return "Printing Aborted!";
      }
      const PrintResult result = printPage(page, column, row);
      if (static_cast<int>(result) < 0) {
        guard.closeDialog();
        page.job.abort();
        return printResultMessage(result);
      }
      if (column != grid.across || row != grid.down) page.job.printer->newPage();
    }
  }
  guard.closeDialog();
  if (!page.job.end()) return "Cannot create file " + page.job.pdfPath;
  return page.job.pdfChosen ? pdfSavedMessage(page.job.pdfPath) : "Printing Completed!";
}

}  // namespace

std::string pdfSavedMessage(const std::string& path) {
  return "Printing Completed! Saved as " + path;
}

void printMap(PrintSession& session, const PrintSource& source, PrintUi& ui) {
  const PaletteResult palette = ReJigPallete(source.dungeon.picture());
  BusyCursor busy(ui);
  const JobStart start =
      beginPrintJob(session, ui, PageOrientation::Landscape, pdfQuestion(kPrintMapCommand, source));
  if (!start.job) {
    if (!start.failure.empty()) ui.showMessage(start.failure);
    return;
  }
  PrintJob* const job = start.job.get();
  QPainter& painter = job->painter;
  const int pageWidth = painter.device()->width();
  painter.setFont(printerFont(kTitlePoints));
  const QFontMetrics metrics(painter.font(), painter.device());
  const int textHeight = metrics.height();
  // A title wider than the page ends in an ellipsis rather than running off both edges.
  const QString title =
      metrics.elidedText(printText(source.dungeon.caption()), Qt::ElideRight, pageWidth);
  drawTextAt(painter, centreX(pageWidth, metrics.horizontalAdvance(title)), textHeight, title);
  const DeviceRect rect =
      fittedImageRect(pageWidth, textHeight, palette.image.width, palette.image.height);
  if (palette.ok()) drawWholeBitmap(painter, palette.image, rect);
  drawSettingsFooter(painter, rect.x, painter.device()->height(), source);
  if (!job->end()) {
    ui.showMessage("Cannot create file " + job->pdfPath);
  } else if (job->pdfChosen) {
    ui.showMessage(pdfSavedMessage(job->pdfPath));
  }
}

void printMap25mm(PrintSession& session, const PrintSource& source, PrintUi& ui) {
  if (session.printing) {
    ui.showMessage("Already printing... Please try again later!");
    return;
  }
  const PaletteResult palette =
      ReJigPallete(ClipImage(source.dungeon.model().grid, source.dungeon.picture()));
  const std::optional<Dib> dib = palette.ok() ? extractDib(palette.image) : std::nullopt;
  if (!dib) {
    ui.showMessage("Bitmap load error");
    return;
  }
  std::string message;
  {
    JobGuard guard(session, ui);
    const JobStart start =
        beginPrintJob(session, ui, std::nullopt, pdfQuestion(kPrintMap25mmCommand, source));
    PrintJob* const job = start.job.get();
    if (!job) {
      message = start.failure;
    } else {
      session.tiler.tileMode = TileMode::ExactFit;
      const std::optional<PageMetrics> metrics = pageMetrics(printerCaps(*job->printer));
      if (!guard.openDialog()) {
        job->abort();
        message = "Abort dialog could not be created!";
      } else if (!metrics) {
        job->abort();
        message = kPrinterMissingMessage;
      } else {
        const PrintedSize printed = scaledPrintSize(
            dib->width, dib->height, metrics->pixelsPerInchX, metrics->pixelsPerInchY);
        const std::string caption = source.dungeon.caption();
        message = printPages({session, ui, *job, *dib, *metrics, printed, caption}, guard);
      }
    }
  }
  if (!message.empty()) ui.showMessage(message);
}

}  // namespace delvora
