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

QString hoverTooltipHtml(const QString& hoverText) {
  const QStringList lines = hoverText.split(QLatin1Char('\r'));
  QStringList escaped;
  escaped.reserve(lines.size());
  for (const QString& line : lines) escaped << line.toHtmlEscaped();
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
