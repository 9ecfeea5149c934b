#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace delvora {

inline constexpr char kHelpFileName[] = "Delvora.HLP";

// Where the help file is: the name looked up in the current directory, then in programDir (the
// build tree keeps it beside the executable), then in the installed data folder relative to
// programDir. Empty when it is in none.
QString findHelpFile(const QString& name, const QString& programDir);

// findHelpFile for this program's own folder.
QString findHelpFile(const QString& name = QString::fromLatin1(kHelpFileName));

// The help window: the user guide's HTML in a browser with working links.
class HelpViewer : public QDialog {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows the contents of the help file at path.
  void showFile(const QString& path);
  QTextBrowser* browser() const { return m_browser; }

 private:
  QTextBrowser* m_browser;
};

}  // namespace delvora
