#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace delvora {

// What the save dialog offers: the settings of the "Save Dressing As" dialog.
struct SaveFileRequest {
  QString defaultSuffix;
  QString initialName;
  QString filter;
  bool confirmOverwrite = true;
  // The dialog's title; empty leaves the toolkit's own ("Save As").
  QString title;
};

// The standard dialogs and message boxes the windows use. Tests replace it to answer without
// driving real dialogs; the windows never open these dialogs any other way.
class Dialogs {
 public:
  // Keeps what Qt's file dialogs remember (their history) out of the user's configuration: the
  // program writes no settings file.
  Dialogs();
  virtual ~Dialogs() = default;

  // A message box with an OK button; the text is always shown as plain text.
  virtual void showMessage(QWidget* parent, const QString& text);
  // The chosen file name, or nothing when the user cancels.
  virtual std::optional<QString> askSaveFileName(QWidget* parent, const SaveFileRequest& request);
  // A folder at or below root, or nothing when the user cancels.
  virtual std::optional<QString> askFolder(QWidget* parent, const QString& title,
                                           const QString& root);
};

// True when path is root itself or lies below it (both made absolute and clean first).
bool isInsideFolder(const QString& path, const QString& root);

}  // namespace delvora
