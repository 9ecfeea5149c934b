#include "print/qt/printer_setup.h"

#include <langinfo.h>
#include <locale.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QStringDecoder>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace delvora {

namespace {

constexpr int kLetterWidthMm = 216;
constexpr int kLetterHeightMm = 279;

// The paper of the user's locale (LC_PAPER), read without changing the program's locale.
bool localeUsesLetter() {
  const locale_t locale = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return false;
  // glibc returns these numeric items in the pointer's value.
  const auto width =
      static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, locale)));
  const auto height =
      static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, locale)));
  freelocale(locale);
  return width == kLetterWidthMm && height == kLetterHeightMm;
}

std::unique_ptr<QPrinter> pdfPrinter(const std::string& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setResolution(kPdfResolution);
  printer->setPageSize(QPageSize(localeUsesLetter() ? QPageSize::Letter : QPageSize::A4));
  return printer;
}

std::string pdfPathFor(const PrintSession& session) {
  if (!session.pdfPath.empty()) return session.pdfPath;
  const char* fromEnvironment = std::getenv("DELVORA_PRINT_PDF");
  return fromEnvironment != nullptr ? fromEnvironment : "";
}

// A PDF file ends with its end-of-file marker; a write that failed part way leaves it out.
bool pdfComplete(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
  file.seek(file.size() - 16);
  return file.read(16).contains("%%EOF");
}

// Only a regular file can be checked after the job and removed when it is discarded; removing a
// device such as /dev/null in its place would harm the whole system.
bool usablePdfTarget(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return !std::filesystem::exists(status) || std::filesystem::is_regular_file(status);
}

QString sansFamily() {
  for (const char* family : {"Liberation Sans", "Arimo"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return QString::fromLatin1(family);
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

bool PrintJob::end() {
  painter.end();
  if (pdfPath.empty() || pdfComplete(pdfPath)) return true;
  std::error_code ignored;
  std::filesystem::remove(pdfPath, ignored);
  return false;
}

void PrintJob::abort() {
  printer->abort();
  painter.end();
  if (!pdfPath.empty()) {
    std::error_code ignored;
    std::filesystem::remove(pdfPath, ignored);
  }
}

JobStart beginPrintJob(PrintSession& session, PrintUi& ui,
                       std::optional<PageOrientation> orientation,
                       const PdfFileQuestion& question) {
  JobStart start;
  auto job = std::make_unique<PrintJob>();
  job->pdfPath = pdfPathFor(session);
  if (job->pdfPath.empty()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
      job->printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
      job->pdfPath = ui.askPdfFileName(question);
      // Cancelling the dialog means the user changed their mind: nothing to report.
      if (job->pdfPath.empty()) return start;
      job->pdfChosen = true;
    }
  }
  const std::string failure =
      job->pdfPath.empty() ? kPrinterMissingMessage : "Cannot create file " + job->pdfPath;
  if (!job->printer) {
    if (!usablePdfTarget(job->pdfPath)) {
      start.failure = failure;
      return start;
    }
    job->printer = pdfPrinter(job->pdfPath);
  }
  job->printer->setCreator(QStringLiteral("Delvora"));
  if (orientation) session.orientation = orientation;
  if (session.orientation) {
    job->printer->setPageOrientation(*session.orientation == PageOrientation::Landscape
                                         ? QPageLayout::Landscape
                                         : QPageLayout::Portrait);
  }
  if (!job->painter.begin(job->printer.get())) {
    start.failure = failure;
    return start;
  }
  start.job = std::move(job);
  return start;
}

PdfFileQuestion pdfQuestion(const char* command, const PrintSource& source) {
  return {command, pdfFileStem(source.dungeon.settings().title)};
}

DeviceCaps printerCaps(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const int resolution = printer.resolution();
  const QRect paper = layout.fullRectPixels(resolution);
  const QRect printable = layout.paintRectPixels(resolution);
  DeviceCaps caps;
  caps.offsetX = printable.x() - paper.x();
  caps.offsetY = printable.y() - paper.y();
  caps.paperWidth = paper.width();
  caps.paperHeight = paper.height();
  caps.printableWidth = printable.width();
  caps.printableHeight = printable.height();
  caps.pixelsPerInchX = printer.logicalDpiX();
  caps.pixelsPerInchY = printer.logicalDpiY();
  return caps;
}

QFont printerFont(int points) {
  QFont font(sansFamily());
  font.setPointSize(points);
  return font;
}

QString printText(std::string_view bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!decoder.hasError()) return text;
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void drawTextAt(QPainter& painter, int x, int y, const QString& text) {
  const QFontMetrics metrics(painter.font(), painter.device());
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

FooterTime footerTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

void drawSettingsFooter(QPainter& painter, int x, int pageHeight, const PrintSource& source) {
  painter.setFont(printerFont(8));
  painter.setBrush(Qt::white);
  const QFontMetrics metrics(painter.font(), painter.device());
  const std::string text =
      settingsFooter(source.dungeon.settings(), source.time.value_or(footerTimeNow()));
  drawTextAt(painter, x, pageHeight - metrics.height(), printText(text));
}

}  // namespace delvora
