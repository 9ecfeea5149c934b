#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace delvora {

class Bitmap;

// Dressing bytes as text: UTF-8 when they are valid UTF-8, else the single-byte code page of
// older dressing files (Latin-1).
QString fromDressingBytes(std::string_view bytes);

// A file name as the libraries take it: the bytes the file system uses.
std::string toFileNameBytes(const QString& fileName);

// The longest line of a hover tooltip, in characters.
inline constexpr int kHoverLineWidth = 80;

// One hover line cut into lines of at most width characters, at blanks where it has them; the
// blanks at each cut are dropped and the pieces after the first keep the line's indent.
QStringList wrapHoverLine(const QString& line, int width = kHoverLineWidth);

// Hover text (lines joined by CR) as tooltip markup with every character escaped, so dressing
// text that looks like HTML shows as typed; blanks are kept and long lines wrapped.
QString hoverTooltipHtml(const QString& hoverText);

// The map bitmap as a QImage, one row copied at a time.
QImage toQImage(const Bitmap& bitmap);

}  // namespace delvora
