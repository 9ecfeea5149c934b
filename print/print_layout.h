#pragma once

#include <cstdint>
#include <string>

#include "engine/settings.h"
#include "print/print_device.h"
#include "print/tiled_printer.h"

namespace delvora {

// Map pixels printed per 25.4 mm at the battle-mat scale: 16 device inches per 254 map pixels,
// so one 16-pixel grid square is 25.6 mm.
inline constexpr int kScaleNumerator = 16;
inline constexpr int kScaleDenominator = 254;

// The printed size of a bitmap at the battle-mat scale, in device pixels.
struct PrintedSize {
  int width = 0;
  int height = 0;
};
PrintedSize scaledPrintSize(int bitmapWidth, int bitmapHeight, int pixelsPerInchX,
                            int pixelsPerInchY);

// Pages across and down needed for a printed size on a usable area (both positive).
struct PageGrid {
  int across = 0;
  int down = 0;
};
PageGrid pageGrid(const PrintedSize& printed, int usableWidth, int usableHeight);

// Where the whole printed map lies relative to the usable area of page (column, row), both from 1.
DeviceRect pageDestination(const PrintedSize& printed, int column, int row, int usableWidth,
                           int usableHeight);

// caption + " Page " + column + " : " + row.
std::string pageLabel(const std::string& caption, int column, int row);

// "Printing Page " + column + ":" + row + " - " + percent + "%".
std::string pageProgressText(int column, int row, std::uint32_t percent);

// done / total * 100 in floating point, truncated; 0 when total is 0.
std::uint32_t progressPercent(std::uint32_t done, std::uint32_t total);

// The x at which a text of textWidth is centred on a page of pageWidth.
int centreX(int pageWidth, int textWidth);

// The fitted map's rectangle: the middle 80 % of the page width from 3 text heights down, as
// tall as the bitmap's proportions make it (it may pass the page bottom).
DeviceRect fittedImageRect(int pageWidth, int textHeight, int bitmapWidth, int bitmapHeight);

// The local time the footer shows.
struct FooterTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// The product credit in the footer: five blanks, the product's name, two blanks.
inline constexpr const char* kFooterCredit = "     Delvora dungeon generator  ";

// The settings footer: map size, iterations, room size and corridor style, four blanks, the
// credit and the date and time as "m/d/yy  h:nn".
std::string settingsFooter(const Settings& settings, const FooterTime& time);

// The map title as the name the print commands offer for a PDF file, without ".pdf": blanks at
// either end and leading dots dropped, '/' and control characters turned into '-', cut to at most
// 100 bytes at a whole UTF-8 character; "Delvora" when nothing is left.
std::string pdfFileStem(const std::string& title);

// The message the 25 mm print shows for a negative print result; "" for codes without one.
std::string printResultMessage(PrintResult result);

}  // namespace delvora
