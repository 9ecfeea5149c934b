#pragma once

#include <optional>
#include <string>

#include "dungeon/dungeon.h"
#include "print/print_layout.h"
#include "print/tiled_printer.h"

namespace delvora {

// What the PDF file dialog shows when the system has no printer.
struct PdfFileQuestion {
  // The print command's name, the dialog's title ("Print Map").
  std::string command;
  // The file name offered, without ".pdf" (pdfFileStem of the map's title).
  std::string suggestedName;
};

// What the print commands need from the window that runs them (or from the command line).
class PrintUi {
 public:
  virtual ~PrintUi() = default;

  // A message box with an OK button.
  virtual void showMessage(const std::string& text) = 0;
  // Asked when the system has no printer: the PDF file to write instead, "" when cancelled.
  virtual std::string askPdfFileName(const PdfFileQuestion& question) = 0;
  // Shows the progress and cancel dialog; false when it could not be created.
  virtual bool createAbortDialog() = 0;
  // Sets the dialog's text and lets it process its pending events.
  virtual void setAbortText(const std::string& text) = 0;
  // Lets the dialog process its pending events, then tells whether Cancel was pressed.
  virtual bool abortCancelled() = 0;
  virtual void closeAbortDialog() = 0;
  // Processes the program's pending events.
  virtual void processEvents() = 0;
  // The busy cursor on or off.
  virtual void setBusy(bool busy) = 0;
  // Enables or disables the map window while a job prints.
  virtual void setWindowEnabled(bool enabled) = 0;
};

enum class PageOrientation { Portrait, Landscape };

// State the print commands keep between calls, for the life of the program.
struct PrintSession {
  // When set, every command writes this PDF instead of printing (the command line).
  std::string pdfPath;
  // True while a 25 mm job runs.
  bool printing = false;
  // The orientation the last command set; the 25 mm print keeps it.
  std::optional<PageOrientation> orientation;
  TiledPrinterSettings tiler;
};

// What a print command works on: the dungeon (its picture as drawn, its dressing, the settings
// the footer reads and its caption) and the footer's time.
struct PrintSource {
  const Dungeon& dungeon;
  // The footer's date and time; the local time now when unset.
  std::optional<FooterTime> time;
};

// "Print Map": the whole map under the caption on one landscape page, with the footer.
void printMap(PrintSession& session, const PrintSource& source, PrintUi& ui);

// "Print Map 25mm Scale": the occupied part of the map at 25.6 mm a grid square over as many
// pages as it needs, with the abort dialog. Reports the outcome through ui.showMessage.
void printMap25mm(PrintSession& session, const PrintSource& source, PrintUi& ui);

// "Print Dressing": the caption and every room's dressing as portrait text pages, with the
// footer on the last page.
void printDressing(PrintSession& session, const PrintSource& source, PrintUi& ui);

// The message shown when no printer or PDF file is there or the job cannot start.
inline constexpr const char* kPrinterMissingMessage = "Printer corrupt or not installed!";

// What a command says when it has written a PDF whose name the user chose in the file dialog:
// "Printing Completed! Saved as <path>".
std::string pdfSavedMessage(const std::string& path);

}  // namespace delvora
