#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <string_view>

namespace delvora {

class Bitmap;

// Dressing bytes as text: UTF-8 when they are valid UTF-8, else the single-byte code page of
// older dressing files (Latin-1).
QString fromDressingBytes(std::string_view bytes);

// A file name as the libraries take it: the bytes the file system uses.
std::string toFileNameBytes(const QString& fileName);

// Hover text (lines joined by CR) as tooltip markup with every character escaped, so dressing
// text that looks like HTML shows as typed; blanks are kept.
QString hoverTooltipHtml(const QString& hoverText);

// The map bitmap as a QImage, one row copied at a time.
QImage toQImage(const Bitmap& bitmap);

}  // namespace delvora
