#include "app/qt_text.h"

#include <QFile>
#include <QStringDecoder>
#include <cstring>

#include "render/bitmap.h"

namespace delvora {

QString fromDressingBytes(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(view);
  if (!decoder.hasError()) return text;
  return QString::fromLatin1(view);
}

std::string toFileNameBytes(const QString& fileName) {
  return QFile::encodeName(fileName).toStdString();
}

QStringList wrapHoverLine(const QString& line, int width) {
  qsizetype indentLength = 0;
  while (indentLength < line.size() && line[indentLength] == u' ') ++indentLength;
  // An indent that leaves no room for text is not repeated.
  const QString indent = indentLength < width / 2 ? line.left(indentLength) : QString();
  QStringList pieces;
  QString rest = line;
  while (rest.size() > width) {
    qsizetype cut = rest.lastIndexOf(u' ', width);
    // Only blanks after the indent may end a piece; a word longer than the line is cut hard.
    const qsizetype firstText = pieces.isEmpty() ? indentLength : indent.size();
    if (cut <= firstText) cut = width;
    pieces << rest.left(cut);
    qsizetype next = cut;
    while (next < rest.size() && rest[next] == u' ') ++next;
    rest = indent + rest.mid(next);
    if (rest.size() == indent.size()) return pieces;
  }
  pieces << rest;
  return pieces;
}

QString hoverTooltipHtml(const QString& hoverText) {
  const QStringList lines = hoverText.split(QLatin1Char('\r'));
  QStringList escaped;
  escaped.reserve(lines.size());
  for (const QString& line : lines) {
    for (const QString& piece : wrapHoverLine(line)) escaped << piece.toHtmlEscaped();
  }
  return QStringLiteral("<p style=\"white-space:pre\">") + escaped.join(QStringLiteral("<br>")) +
         QStringLiteral("</p>");
}

QImage toQImage(const Bitmap& bitmap) {
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB888);
  const auto rowBytes = static_cast<std::size_t>(bitmap.width()) * Bitmap::kBytesPerPixel;
  for (int y = 0; y < bitmap.height(); ++y) std::memcpy(image.scanLine(y), bitmap.row(y), rowBytes);
  return image;
}

}  // namespace delvora
