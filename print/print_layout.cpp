#include "print/print_layout.h"

#include <cmath>
#include <cstdio>

namespace delvora {

namespace {

int ceilDiv(std::int64_t value, std::int64_t by) {
  return static_cast<int>((value + by - 1) / by);
}

}  // namespace

PrintedSize scaledPrintSize(int bitmapWidth, int bitmapHeight, int pixelsPerInchX,
                            int pixelsPerInchY) {
  const auto scale = [](int pixels, int perInch) {
    return static_cast<int>(std::int64_t{pixels} * kScaleNumerator * perInch / kScaleDenominator);
  };
  return {scale(bitmapWidth, pixelsPerInchX), scale(bitmapHeight, pixelsPerInchY)};
}

PageGrid pageGrid(const PrintedSize& printed, int usableWidth, int usableHeight) {
  return {ceilDiv(printed.width, usableWidth), ceilDiv(printed.height, usableHeight)};
}

DeviceRect pageDestination(const PrintedSize& printed, int column, int row, int usableWidth,
                           int usableHeight) {
  return {-(column - 1) * usableWidth, -(row - 1) * usableHeight, printed.width, printed.height};
}

std::string pageLabel(const std::string& caption, int column, int row) {
  return caption + " Page " + std::to_string(column) + " : " + std::to_string(row);
}

std::string pageProgressText(int column, int row, std::uint32_t percent) {
  return "Printing Page " + std::to_string(column) + ":" + std::to_string(row) + " - " +
         std::to_string(percent) + "%";
}

std::uint32_t progressPercent(std::uint32_t done, std::uint32_t total) {
  if (total == 0) return 0;
  return static_cast<std::uint32_t>(static_cast<double>(done) / static_cast<double>(total) * 100.0);
}

int centreX(int pageWidth, int textWidth) {
  return (pageWidth - textWidth) / 2;
}

DeviceRect fittedImageRect(int pageWidth, int textHeight, int bitmapWidth, int bitmapHeight) {
  const int left = static_cast<int>(std::lround(pageWidth * 10 / 100.0));
  const int width = static_cast<int>(std::lround(pageWidth * 80 / 100.0));
  const int height =
      bitmapWidth > 0 ? static_cast<int>(std::int64_t{width} * bitmapHeight / bitmapWidth) : 0;
  return {left, 3 * textHeight, width, height};
}

std::string settingsFooter(const Settings& settings, const FooterTime& time) {
  char date[48];
  std::snprintf(date, sizeof date, "%d/%d/%02d  %d:%02d", time.month, time.day, time.year % 100,
                time.hour, time.minute);
  return "Size - " + mapSizeText(settings.mapSizeIndex) + " Iterations - " +
         std::to_string(settings.iterations) + "  Room Size - " +
         roomSizeCaption(settings.roomSize) + "  Corridors - " +
         corridorCaption(settings.corridorStyle) + "    " + kFooterCredit + date;
}

std::string pdfFileStem(const std::string& title) {
  constexpr std::size_t kMaxBytes = 100;
  std::string stem;
  for (const char c : title) {
    const auto byte = static_cast<unsigned char>(c);
    stem += (byte < 0x20 || byte == 0x7F || c == '/') ? '-' : c;
  }
  const std::size_t first = stem.find_first_not_of(" .");
  stem =
      first == std::string::npos ? "" : stem.substr(first, stem.find_last_not_of(' ') + 1 - first);
  if (stem.size() > kMaxBytes) {
    std::size_t end = kMaxBytes;
    // Back to the first byte of a UTF-8 character.
    while (end > 0 && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80) --end;
    stem.resize(end);
    stem.erase(stem.find_last_not_of(' ') + 1);
  }
  return stem.empty() ? "Delvora" : stem;
}

std::string printResultMessage(PrintResult result) {
  switch (result) {
    case PrintResult::Stopped:
      return "User Aborted!";
    case PrintResult::WriteFailed:
      return "Memory Write Failed";
    case PrintResult::ReadFailed:
      return "Memory Read Failed";
    case PrintResult::AllocationFailed:
      return "Memory Allocation Failed";
    case PrintResult::BadParameter:
      return "Bad Parameter";
    case PrintResult::Printed:
    case PrintResult::NothingToPrint:
      break;
  }
  return "";
}

}  // namespace delvora
